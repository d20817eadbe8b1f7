// The POV-Ray and image-viewer settings dialogs: what they show, what OK stores, the buttons.
#include <gtest/gtest.h>

#include "model/pov_object.h"
#include "platform/fake/fake_process_launcher.h"
#include "platform/memory_settings_store.h"
#include "props/settings/executables_page.h"
#include "tests/props/props_fixture.h"

namespace {

class PovRaySettingsTest : public PropsTest {
  protected:
    MemorySettingsStore store;
    FakeProcessLauncher launcher;
    void SetUp() override {
        PropsTest::SetUp();
        SetSettingsStore(&store);
        SetProcessLauncher(&launcher);
    }
    void TearDown() override {
        SetProcessLauncher(nullptr);
        SetSettingsStore(nullptr);
        PropsTest::TearDown();
    }
    std::string Stored(const char* name) {
        return store.Read(SettingsRoot::Machine, "Pov", name).value_or("(none)");
    }
};

TEST_F(PovRaySettingsTest, ThePovRayDialogStoresProgramLevelAndSizeOnOkOnly) {
    store.Write(SettingsRoot::Machine, "Pov", "Execute", "/opt/pov/povray");
    store.Write(SettingsRoot::Machine, "Pov", "Generate", "3.0");
    {
        PovRaySettingsSheet sheet;
        ScriptedSheetServices services;
        services.files = {std::string("/etc/Meine Einstellungen/povray.ini")};
        sheet.SetServices(&services);
        SheetRunner r(sheet);
        EXPECT_EQ(r.Field("execute").text, "/opt/pov/povray");
        EXPECT_EQ(r.Field("level").value, kPovLevel30);
        ASSERT_EQ(r.Field("level").items.size(), 3u);
        ASSERT_TRUE(r.Press("chooseConfiguration"));
        EXPECT_EQ(r.Field("configuration").text, "/etc/Meine Einstellungen/povray.ini");
        ASSERT_TRUE(r.Type("execute", ""));
        ASSERT_TRUE(r.ChooseIndex("level", kPovLevel37));
        ASSERT_TRUE(r.Choose("size", "800 × 600, geglättet"));
        r.Cancel();
    }
    EXPECT_EQ(Stored("Execute"), "/opt/pov/povray");
    EXPECT_EQ(Stored("Configuration"), "(none)");

    PovRaySettingsSheet sheet;
    ScriptedSheetServices services;
    services.files = {std::string("/etc/povray.ini")};
    sheet.SetServices(&services);
    SheetRunner r(sheet);
    ASSERT_TRUE(r.Press("chooseConfiguration"));
    ASSERT_TRUE(r.Type("execute", ""));
    ASSERT_TRUE(r.ChooseIndex("level", kPovLevel37));
    ASSERT_TRUE(r.Choose("size", "800 × 600, geglättet"));
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(Stored("Execute"), "");
    EXPECT_EQ(Stored("Configuration"), "/etc/povray.ini");
    EXPECT_EQ(Stored("Generate"), "3.7");
    EXPECT_EQ(LoadRenderChoice(), (RenderChoice{800, 600, true}));
    // the viewer's values are not the POV-Ray dialog's to write
    EXPECT_EQ(Stored("Viewer"), "(none)");
}

TEST_F(PovRaySettingsTest, TheViewerDialogStoresItsThreeValues) {
    ViewerSettingsSheet sheet;
    SheetRunner r(sheet);
    EXPECT_EQ(r.Field("parameters").text, "%s");
    EXPECT_EQ(r.Field("startsAfterPov").value, 0);
    ASSERT_TRUE(r.Type("viewer", "/usr/bin/eog"));
    ASSERT_TRUE(r.Type("parameters", "--fullscreen %s"));
    ASSERT_TRUE(r.Check("startsAfterPov", true));
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(Stored("Viewer"), "/usr/bin/eog");
    EXPECT_EQ(Stored("ViewerParameters"), "--fullscreen %s");
    EXPECT_EQ(Stored("ViewerStartsAfterPov"), "yes");
    EXPECT_EQ(Stored("Execute"), "(none)");
    EXPECT_TRUE(
        COrvantaOptions(COrvantaOptions::kProgramSettings).Executables.ViewerStartsAfterPov);
}

TEST_F(PovRaySettingsTest, EditingTheConfigurationOpensItOrSaysWhyNot) {
    PovRaySettingsSheet sheet;
    SheetRunner r(sheet);
    ASSERT_TRUE(r.Press("editConfiguration"));
    EXPECT_TRUE(launcher.programs.empty());
    ASSERT_EQ(prompts.messages.size(), 1u);
    ASSERT_TRUE(r.Type("configuration", "/home/ich/povray.ini"));
    ASSERT_TRUE(r.Press("editConfiguration"));
    ASSERT_EQ(launcher.programs.size(), 1u);
    EXPECT_EQ(launcher.programs[0], "xdg-open");
    EXPECT_EQ(launcher.calls[0], std::vector<std::string>{"/home/ich/povray.ini"});
}

}  // namespace
