// The render commands with a fake POV-Ray and a fake viewer: a scene never saved is saved
// first and its picture named after it, the configured program gets its specified line, the
// viewer follows a render when asked to, and "Bild anzeigen" goes to the viewer or, without
// one, to the render window.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "document/atomic_file.h"
#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "platform/fake/fake_process_launcher.h"
#include "platform/fake/recording_prompts.h"
#include "platform/memory_settings_store.h"
#include "render/render_commands.h"
#include "tests/support/model_test.h"

namespace fs = std::filesystem;

namespace {

class FakeRenderHost : public IRenderHost {
  public:
    bool SaveDocument() override {
        ++saves;
        if (!doc || saveAs.empty())
            return false;
        doc->SetPathName(saveAs);
        return doc->OnSaveDocument(saveAs).ok;
    }
    bool RunPovRaySettings() override { return false; }
    void ShowRenderWindow() override { ++windowShown; }
    void Later(std::function<void()> call) override { call(); }
    void ShowPicture(const std::string& f, int w, int h,
                     const std::vector<std::uint32_t>& p) override {
        file = f;
        width = w;
        height = h;
        pixels = p;
    }

    COrvantaDoc* doc = nullptr;
    std::string saveAs;
    int saves = 0;
    int windowShown = 0;
    std::string file;
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};

class RenderCommandsTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        SetSettingsStore(&settings);
        char name[] = "/tmp/orvanta-commands-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir = std::string(name) + "/Szenen für Ärger";
        fs::create_directories(dir);
        host.doc = &doc;
        doc.OnCreate(CreateKind::Camera);
        doc.OnCreate(CreateKind::Light);
        doc.OnCreate(CreateKind::Sphere);
        // the program as configured: the specified command line, the picture in a file
        settings.Write(SettingsRoot::Machine, "Pov", "Execute", "/opt/Pov Ray/povray");
        commands.SetChoice({40, 30, false});
    }
    void TearDown() override {
        SetSettingsStore(nullptr);
        fs::remove_all(fs::path(dir).parent_path());
        ModelTest::TearDown();
    }

    // POV-Ray as configured writes its picture where "-o" says and ends well
    void Render(const std::vector<std::uint32_t>& picture) {
        const std::vector<std::string>& args = launcher.calls.back();
        ASSERT_GE(args.size(), 3u);
        ASSERT_EQ(args[1].rfind("-o", 0), 0u);
        ASSERT_TRUE(WriteFileAtomically(args[1].substr(2), EncodeTarga(40, 30, picture)).ok);
        launcher.started.back()->Finish(0);
    }

    MemorySettingsStore settings;
    ScopedRecordingPrompts prompts;
    FakeProcessLauncher launcher;
    FakeRenderHost host;
    COrvantaDoc doc;
    RenderCommands commands{host, launcher, [] { return 0.0; }};
    std::string dir;
};

TEST_F(RenderCommandsTest, ASceneNeverSavedIsSavedFirstAndThePictureIsNamedAfterIt) {
    // declined: nothing starts, nothing is written
    prompts.answer = false;
    commands.Run(doc);
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_TRUE(launcher.calls.empty());
    EXPECT_EQ(host.saves, 0);

    prompts.answer = true;
    host.saveAs = dir + "/Kugel am Meer.om";
    commands.Run(doc);
    EXPECT_EQ(host.saves, 1);
    ASSERT_EQ(launcher.programs.size(), 1u);
    EXPECT_EQ(launcher.programs[0], "/opt/Pov Ray/povray");
    const std::vector<std::string>& args = launcher.calls[0];
    EXPECT_EQ(args[0].rfind("-i", 0), 0u);
    EXPECT_EQ(args[2], "+FT");
    EXPECT_EQ(launcher.folders[0], dir);
    EXPECT_EQ(host.windowShown, 1);

    const std::vector<std::uint32_t> picture(40 * 30, 0xFF336699u);
    Render(picture);
    EXPECT_EQ(commands.Session().State(), RenderState::Finished);
    std::string saved;
    ASSERT_TRUE(ReadWholeFile(dir + "/Kugel am Meer.tga", saved).ok);
    EXPECT_EQ(saved, EncodeTarga(40, 30, picture));
    // no viewer configured: none is started after the render
    EXPECT_EQ(launcher.programs.size(), 1u);
}

TEST_F(RenderCommandsTest, TheViewerFollowsARenderAndShowsTheImageElseTheWindowDoes) {
    ASSERT_TRUE(doc.OnSaveDocument(dir + "/Szene.om").ok);
    doc.SetPathName(dir + "/Szene.om");
    const std::string image = dir + "/Szene.tga";

    // nothing rendered yet: said so, nothing started
    commands.ShowImage(doc);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(launcher.calls.empty());

    settings.Write(SettingsRoot::Machine, "Pov", "Viewer", "/usr/bin/Bild Betrachter");
    settings.Write(SettingsRoot::Machine, "Pov", "ViewerParameters", "--fit %s --title=Bild");
    settings.Write(SettingsRoot::Machine, "Pov", "ViewerStartsAfterPov", "yes");
    commands.Run(doc);
    ASSERT_EQ(launcher.calls.size(), 1u);
    const std::vector<std::uint32_t> picture(40 * 30, 0xFF102030u);
    Render(picture);
    ASSERT_EQ(commands.Session().State(), RenderState::Finished);
    // the viewer after the render, with the image between the parameters' texts
    ASSERT_EQ(launcher.programs.size(), 2u);
    EXPECT_EQ(launcher.programs[1], "/usr/bin/Bild Betrachter");
    EXPECT_EQ(launcher.calls[1], (std::vector<std::string>{"--fit", image, "--title=Bild"}));

    // "Bild anzeigen": the viewer again; parameters without %s leave the name out
    settings.Write(SettingsRoot::Machine, "Pov", "ViewerParameters", "--vollbild");
    commands.ShowImage(doc);
    ASSERT_EQ(launcher.programs.size(), 3u);
    EXPECT_EQ(launcher.calls[2], (std::vector<std::string>{"--vollbild"}));

    // a viewer that cannot start is reported with the reason
    launcher.startError = "Datei nicht gefunden";
    commands.ShowImage(doc);
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_NE(prompts.messages.back().find("Datei nicht gefunden"), std::string::npos);
    launcher.startError.clear();

    // no viewer: the render window shows the picture from its file
    settings.Write(SettingsRoot::Machine, "Pov", "Viewer", "");
    const size_t starts = launcher.programs.size();
    commands.ShowImage(doc);
    EXPECT_EQ(launcher.programs.size(), starts);
    EXPECT_EQ(host.file, image);
    EXPECT_EQ(host.width, 40);
    EXPECT_EQ(host.height, 30);
    EXPECT_EQ(host.pixels, picture);
}

}  // namespace
