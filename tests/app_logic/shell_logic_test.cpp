// The language choice, the command line, the POV-Ray reference addresses and the about box's
// system information.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/logic/language.h"
#include "app/logic/start_options.h"
#include "app/logic/system_info.h"
#include "platform/memory_settings_store.h"
#include "platform/povray_reference.h"
#include "resources/string_table.h"
#include "tests/support/model_test.h"

namespace {

class LanguageTest : public ::testing::Test {
  protected:
    void SetUp() override { SetSettingsStore(&store); }
    void TearDown() override {
        SetSettingsStore(nullptr);
        SetUiLanguage(UiLanguage::German);
    }
    std::string Value(const char* name) {
        return ReadSetting(SettingsRoot::Machine, "Language", name, "<missing>");
    }
    MemorySettingsStore store;
};

TEST_F(LanguageTest, TheFirstChoiceIsStoredAndTakesEffectAtTheNextStart) {
    EXPECT_TRUE(LanguageNotChosen());
    ApplyStartupLanguage();
    EXPECT_EQ(GetUiLanguage(), UiLanguage::German);
    EXPECT_FALSE(EnglishResources());

    ChooseLanguage(UiLanguage::English);
    EXPECT_FALSE(LanguageNotChosen());
    EXPECT_EQ(Value(".use"), "english");
    EXPECT_EQ(Value(".default"), "english");
    // the running program keeps its language until the next start
    EXPECT_EQ(GetUiLanguage(), UiLanguage::German);
    ApplyStartupLanguage();
    EXPECT_EQ(GetUiLanguage(), UiLanguage::English);
    EXPECT_TRUE(EnglishResources());

    // ".default" copies the value the choice names: a catalogue name of the system defaults
    store.Write(SettingsRoot::Machine, "Language", "deutsch", "");
    ChooseLanguage(UiLanguage::German);
    EXPECT_EQ(Value(".use"), "deutsch");
    EXPECT_EQ(Value(".default"), "");
    EXPECT_EQ(StartupLanguage(), UiLanguage::German);
    store.Write(SettingsRoot::Machine, "Language", "english", "English.tsv");
    ChooseLanguage(UiLanguage::English);
    EXPECT_EQ(Value(".default"), "English.tsv");
    EXPECT_EQ(StartupLanguage(), UiLanguage::English);
    // an unknown catalogue leaves the built-in German texts
    store.Write(SettingsRoot::Machine, "Language", ".default", "klingon.dll");
    EXPECT_EQ(StartupLanguage(), UiLanguage::German);
}

TEST(StartOptions, SwitchesFileAndErrors) {
    StartOptions o = ParseStartOptions({});
    EXPECT_TRUE(o.startWindow);
    EXPECT_TRUE(o.file.empty());
    o = ParseStartOptions({"--no-start-window", "scene.om"});
    EXPECT_FALSE(o.startWindow);
    EXPECT_EQ(o.file, "scene.om");
    o = ParseStartOptions({"-nologo", "--screenshot", "shot.png", "a.om"});
    EXPECT_FALSE(o.startWindow);
    EXPECT_EQ(o.screenshot, "shot.png");
    EXPECT_EQ(o.file, "a.om");
    EXPECT_FALSE(ParseStartOptions({"--screenshot"}).error.empty());
    EXPECT_FALSE(ParseStartOptions({"--frobnicate"}).error.empty());
    EXPECT_FALSE(ParseStartOptions({"a.om", "b.om"}).error.empty());
}

TEST(PovRayReference, LocalSectionsOnlineFallbackAndContents) {
    const std::string online = "https://www.povray.org/documentation/3.7.0/";
    EXPECT_EQ(PovRayReferenceUrl("", ""), online + "r3_0.html");
    // the modeller's help words and the scene keywords name the same sections
    EXPECT_EQ(PovRayReferenceUrl("Sphere", ""), online + "r3_4.html#r3_4_5_1_12");
    EXPECT_EQ(PovRayReferenceUrl("height_field", ""), online + "r3_4.html#r3_4_5_1_5");
    EXPECT_EQ(PovRayReferenceUrl("Sky Sphere", ""), PovRayReferenceUrl("sky_sphere", ""));
    EXPECT_EQ(PovRayReferenceUrl("Cylindrical Lights", ""), online + "r3_4.html#r3_4_4_1_3");
    EXPECT_EQ(PovRayReferenceUrl("no such keyword", ""), online + "r3_0.html");

    // local documentation: known words map to the same page, others come from its contents
    const std::string folder = testing::TempDir() + "povray-docs";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/r3_0.html")
        << "<td><a title=\"3.4.1.3\" href=\"r3_4.html#r3_4_1_3\">Radiosity Basics</a></td>\n"
           "<td><a href=\"r3_4.html#r3_4_7_2\">Isosurface</a></td>\n";
    EXPECT_EQ(PovRayReferenceUrl("sphere", folder), "file://" + folder + "/r3_4.html#r3_4_5_1_12");
    EXPECT_EQ(PovRayReferenceUrl("isosurface", folder), "file://" + folder + "/r3_4.html#r3_4_7_2");
    EXPECT_EQ(PovRayReferenceUrl("radiosity_basics", folder),
              "file://" + folder + "/r3_4.html#r3_4_1_3");
    EXPECT_EQ(PovRayReferenceUrl("unknown", folder), "file://" + folder + "/r3_0.html");
    setenv("ORVANTA_POVRAY_DOCS", folder.c_str(), 1);
    EXPECT_EQ(LocalPovRayDocsFolder(), folder);
    setenv("ORVANTA_POVRAY_DOCS", (folder + "/missing").c_str(), 1);
    EXPECT_EQ(LocalPovRayDocsFolder(), "");
    unsetenv("ORVANTA_POVRAY_DOCS");
}

TEST(SystemInfo, MemoryAndFreeSpaceOrUnavailableButNeverABlock) {
    const auto memory = PhysicalMemoryKb();
    ASSERT_TRUE(memory.has_value());
    EXPECT_GT(*memory, 1024u);
    EXPECT_EQ(MemoryText(1234), "1234 KB Arbeitsspeicher");

    const auto space = FreeDiskSpace(testing::TempDir(), std::chrono::milliseconds(2000));
    ASSERT_TRUE(space.has_value());
    EXPECT_FALSE(space->mountPoint.empty());
    EXPECT_EQ(FreeSpaceText(FreeSpace{42, "/home"}), "42 KB Frei auf Laufwerk /home");

    // an unreadable folder is reported, not waited for
    EXPECT_FALSE(FreeDiskSpace("/no/such/folder", std::chrono::milliseconds(2000)).has_value());
    EXPECT_EQ(FreeSpaceText(std::nullopt), "Unavailable");
    SetUiLanguage(UiLanguage::English);
    EXPECT_EQ(MemoryText(7), "7 KB of memory");
    SetUiLanguage(UiLanguage::German);
}

}  // namespace
