// The settings sheets' pages: loading from the store and its defaults, the include list's
// rules, validation, saving, and what the sheets leave in the document.
#include <gtest/gtest.h>

#include "app/logic/program_settings.h"
#include "document/orvanta_doc.h"
#include "platform/memory_settings_store.h"
#include "props/settings/settings_pages.h"
#include "props/settings/settings_sheet.h"
#include "props/sheet_runner.h"
#include "tests/view/view_fixture.h"

namespace {

class SettingsSheetTest : public ViewTest {
  protected:
    void SetUp() override {
        SetSettingsStore(&store);
        ViewTest::SetUp();
    }
    void TearDown() override {
        ViewTest::TearDown();
        SetSettingsStore(nullptr);
    }
    void Put(const char* section, const char* name, const char* value) {
        const SettingsRoot root =
            std::string(section) == "Pov" ? SettingsRoot::Machine : SettingsRoot::User;
        store.Write(root, section, name, value);
    }
    std::string Stored(const char* section, const char* name) {
        return ReadSetting(SettingsRoot::User, section, name, "<missing>");
    }
    MemorySettingsStore store;
};

TEST_F(SettingsSheetTest, AMissingLanguageLevelMeans2xWithFourStandardIncludes) {
    auto program = CSettingsSheet::ForProgram();
    SheetRunner runner(*program);
    ASSERT_TRUE(runner.ShowPage("Kompatibilität"));
    EXPECT_EQ(runner.Field("version").value, 0);

    auto scene = CSettingsSheet::ForDocument(*doc);
    SheetRunner sceneRunner(*scene);
    ASSERT_TRUE(sceneRunner.ShowPage("Include-Dateien"));
    EXPECT_EQ(sceneRunner.Field("version").value, 0);
    EXPECT_EQ(sceneRunner.Field("standard").items.size(), 4u);
    ASSERT_TRUE(sceneRunner.ChooseIndex("version", 1));
    EXPECT_EQ(sceneRunner.Field("standard").items.size(), 11u);
    EXPECT_EQ(sceneRunner.Field("standard").items.back(), "stones.inc");
    ASSERT_TRUE(sceneRunner.ChooseIndex("version", 2));  // 3.7
    EXPECT_EQ(sceneRunner.Field("standard").items.size(), 11u);
    ASSERT_TRUE(sceneRunner.Ok());
    EXPECT_EQ(doc->Pov3(), 2);
}

TEST_F(SettingsSheetTest, AnIncludeAddedTwiceInAnyCaseIsOneLowerCaseEntryAndRemoveTakesSelected) {
    doc->UserIncludes() = {"woods2.inc"};
    auto sheet = CSettingsSheet::ForDocument(*doc);
    ScriptedSheetServices services;
    services.files = {"/home/a/Scenes/MyColors.INC", "/tmp/other/mycolors.inc",
                      "C:\\povray\\ABC.inc", std::nullopt};
    sheet->SetServices(&services);
    SheetRunner runner(*sheet);
    ASSERT_TRUE(runner.ShowPage("Include-Dateien"));
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(runner.Press("add"));
    EXPECT_EQ(runner.Field("additional").items,
              (std::vector<std::string>{"abc.inc", "mycolors.inc", "woods2.inc"}));
    ASSERT_TRUE(runner.Select("additional", {0}));
    ASSERT_TRUE(runner.Press("remove"));
    doc->SetModifiedFlag(false);
    ASSERT_TRUE(runner.Ok());
    // written from the last entry to the first; the scene counts as changed
    EXPECT_EQ(doc->UserIncludes(), (std::vector<std::string>{"woods2.inc", "mycolors.inc"}));
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(SettingsSheetTest, TheSceneSheetMarksTheDocumentOnlyWhenAValueChanged) {
    doc->Comment() = "Zeile 1\r\nZeile 2";
    doc->SetModifiedFlag(false);
    {
        auto sheet = CSettingsSheet::ForDocument(*doc);
        SheetRunner runner(*sheet);
        EXPECT_EQ(runner.Field("moreInfo").text, "Zeile 1\nZeile 2");
        ASSERT_TRUE(runner.Ok());
        EXPECT_FALSE(doc->IsModified());
    }
    {
        auto sheet = CSettingsSheet::ForDocument(*doc);
        SheetRunner runner(*sheet);
        ASSERT_TRUE(runner.Type("name", "Ada"));
        runner.Cancel();
        EXPECT_EQ(doc->Author(), "");
        EXPECT_FALSE(doc->IsModified());
    }
    auto sheet = CSettingsSheet::ForDocument(*doc);
    SheetRunner runner(*sheet);
    ASSERT_TRUE(runner.Type("name", "Jörg"));
    ASSERT_TRUE(runner.Type("moreInfo", "Zeile 1\nZeile 3"));
    ASSERT_TRUE(runner.Ok());
    EXPECT_EQ(doc->Author(), "J\xF6rg");  // Windows-1252 in the scene
    EXPECT_EQ(doc->Comment(), "Zeile 1\r\nZeile 3");
    EXPECT_TRUE(doc->IsModified());
    // the scene's author data stay in the scene: nothing reached the store
    EXPECT_EQ(Stored("Infos", "Name"), "<missing>");

    // the comment field holds at most 230 characters
    auto tooLong = CSettingsSheet::ForDocument(*doc);
    SheetRunner longRunner(*tooLong);
    ASSERT_TRUE(longRunner.Type("moreInfo", std::string(231, 'x')));
    EXPECT_FALSE(longRunner.Ok());
    EXPECT_EQ(longRunner.Refused()->fieldId, "moreInfo");
}

TEST_F(SettingsSheetTest, TheModellerPageReadsValidatesAndStoresTheViewDefaults) {
    Put("Modeller", "Gridvalue", "50");
    Put("Modeller", "Zoomvalue", "40");
    auto sheet = CSettingsSheet::ForProgram();
    SheetRunner runner(*sheet);
    ASSERT_TRUE(runner.ShowPage("Modeller"));
    EXPECT_EQ(runner.Field("gridValue").text, "0.5");
    EXPECT_EQ(runner.Field("zoomValue").text, "40");
    // OpenGL on: the camera options are usable; off: they are not
    EXPECT_TRUE(runner.Field("wireframe").enabled);
    ASSERT_TRUE(runner.Check("openGL", false));
    EXPECT_FALSE(runner.Field("wireframe").enabled);
    EXPECT_FALSE(runner.Check("lights", true));
    ASSERT_TRUE(runner.Check("openGL", true));

    ASSERT_TRUE(runner.Type("zoomValue", "0"));
    EXPECT_FALSE(runner.Ok());
    EXPECT_EQ(runner.Refused()->message, "Geben Sie bitte eine ganze Zahl zwischen 1 und 100 ein.");
    ASSERT_TRUE(runner.Type("zoomValue", "25"));
    ASSERT_TRUE(runner.Type("gridValue", "0.25"));
    ASSERT_TRUE(runner.Check("gridOn", true));
    ASSERT_TRUE(runner.Ok());
    EXPECT_EQ(Stored("Modeller", "Gridvalue"), "25");
    EXPECT_EQ(Stored("Modeller", "Zoomvalue"), "25");
    EXPECT_EQ(Stored("Modeller", "Grid"), "yes");

    // the next document's views take the new defaults
    COrvantaDoc next;
    TestView front(next, kFrontView, 400, 300);
    EXPECT_EQ(front->Zoom, 25);
    EXPECT_DOUBLE_EQ(front->Grid, 0.25);
}

TEST_F(SettingsSheetTest, MalformedStoredViewDefaultsFallBack) {
    for (const char* zoom : {"abc", "0", "12abc", "-3", "1000", ""}) {
        Put("Modeller", "Zoomvalue", zoom);
        EXPECT_EQ(COrvantaOptions(COrvantaOptions::kProgramSettings).Modeller.ZoomValue, 10)
            << zoom;
    }
    Put("Modeller", "Zoomvalue", " 35 ");
    EXPECT_EQ(COrvantaOptions(COrvantaOptions::kProgramSettings).Modeller.ZoomValue, 35);
    for (const char* grid : {"-5", "abc", "99999999999"}) {
        Put("Modeller", "Gridvalue", grid);
        EXPECT_EQ(COrvantaOptions(COrvantaOptions::kProgramSettings).Modeller.GridValue, 0.0)
            << grid;
    }
}

TEST_F(SettingsSheetTest, OpenGLOffGivesAWireFrameCameraAndEvenCancelCopiesTheCameraOptions) {
    TestView& camera = AddView(kCameraView);
    EXPECT_EQ(camera->UseOpenGL, 1);
    Put("Modeller", "OpenGL", "no");
    Put("Modeller", "Lights", "yes");

    auto sheet = CSettingsSheet::ForProgram();
    SheetRunner runner(*sheet);
    ASSERT_TRUE(runner.ShowPage("Modeller"));
    EXPECT_FALSE(runner.Field("openGL").value);
    EXPECT_TRUE(runner.Field("wireframe").value);
    EXPECT_FALSE(runner.Field("lights").value);
    runner.Cancel();
    const int redraws = camera.window.redraws;
    ApplyCameraOptions(sheet->Options(), *doc);
    EXPECT_EQ(camera->UseOpenGL, 0);
    EXPECT_EQ(camera->Wireframe, 1);
    EXPECT_EQ(camera->Lights, 0);
    EXPECT_EQ(doc->Settings->Modeller.OpenGL, 0);
    EXPECT_GT(camera.window.redraws, redraws);
    // a camera view made afterwards draws the same way
    COrvantaDoc next;
    TestView nextCamera(next, kCameraView, 400, 300);
    EXPECT_EQ(nextCamera->UseOpenGL, 0);
    EXPECT_EQ(nextCamera->Wireframe, 1);
}

TEST_F(SettingsSheetTest, TheProgramAuthorAndLanguageLevelReachTheStore) {
    store.Write(SettingsRoot::Machine, "1.0.0.1", "Name", "Werkstatt");
    auto sheet = CSettingsSheet::ForProgram();
    SheetRunner runner(*sheet);
    EXPECT_EQ(runner.Field("name").text, "Werkstatt");  // the machine's name by default
    ASSERT_TRUE(runner.Type("company", "Orvanta & Co"));
    ASSERT_TRUE(runner.ShowPage("Kompatibilität"));
    ASSERT_TRUE(runner.ChooseIndex("version", 1));
    ASSERT_TRUE(runner.ShowPage("POV-Ray / Viewer"));
    ASSERT_TRUE(runner.Type("execute", "/opt/povray/bin/povray"));
    ASSERT_TRUE(runner.Ok());
    EXPECT_EQ(ReadSetting(SettingsRoot::Machine, "Pov", "Execute", ""), "/opt/povray/bin/povray");
    EXPECT_EQ(Stored("Infos", "Company"), "Orvanta & Co");
    EXPECT_EQ(Stored("Infos", "Name"), "Werkstatt");
    EXPECT_EQ(ReadSetting(SettingsRoot::Machine, "Pov", "Generate", ""), "3.0");
    EXPECT_EQ(COrvantaDoc().Pov3(), 1);
}

}  // namespace
