// The language choice, the command line and the about box's
// system information.
#include <gtest/gtest.h>

#include "app/logic/language.h"
#include "app/logic/start_options.h"
#include "app/logic/system_info.h"
#include "platform/memory_settings_store.h"
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
