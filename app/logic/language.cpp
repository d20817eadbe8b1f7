#include "app/logic/language.h"

#include <algorithm>
#include <string>

#include "platform/settings_store.h"

namespace {

constexpr SettingsRoot kMachine = SettingsRoot::Machine;
constexpr char kSection[] = "Language";

const char* NameOf(UiLanguage language) {
    return language == UiLanguage::English ? "english" : "deutsch";
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool g_englishResources = false;

}  // namespace

bool LanguageNotChosen() {
    return ReadSetting(kMachine, kSection, ".use", "").empty();
}

void ChooseLanguage(UiLanguage language) {
    ISettingsStore& store = GetSettingsStore();
    const char* name = NameOf(language);
    store.Write(kMachine, kSection, ".use", name);
    store.Write(kMachine, kSection, ".default", ReadSetting(kMachine, kSection, name, name));
}

UiLanguage StartupLanguage() {
    // the value names a catalogue the way the language's own entry does: "english" or a file
    // name such as "english.tsv"
    const std::string catalogue = Lower(ReadSetting(kMachine, kSection, ".default", ""));
    return catalogue.find("english") != std::string::npos ? UiLanguage::English
                                                          : UiLanguage::German;
}

bool EnglishResources() {
    return g_englishResources;
}

void ApplyStartupLanguage() {
    const UiLanguage language = StartupLanguage();
    g_englishResources = language == UiLanguage::English;
    SetUiLanguage(language);
}
