// The program's key-value settings: one store per machine and one per user, each divided into
// sections holding named string values (the layout the program has always used).
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class SettingsRoot { Machine, User };

class ISettingsStore {
  public:
    virtual ~ISettingsStore() = default;
    virtual std::optional<std::string> Read(SettingsRoot root, std::string_view section,
                                            std::string_view name) const = 0;
    virtual void Write(SettingsRoot root, std::string_view section, std::string_view name,
                       std::string_view value) = 0;
};

ISettingsStore& GetSettingsStore();
// Installs the store used from now on; nullptr restores the default in-memory store.
void SetSettingsStore(ISettingsStore* store);

// A value, or the default when it is missing.
std::string ReadSetting(SettingsRoot root, std::string_view section, std::string_view name,
                        std::string_view fallback);
// Yes/no values are stored as "yes" and "no"; only "yes" counts as yes.
bool ReadYesNo(SettingsRoot root, std::string_view section, std::string_view name, bool fallback);
void WriteYesNo(SettingsRoot root, std::string_view section, std::string_view name, bool value);
int ReadInt(SettingsRoot root, std::string_view section, std::string_view name, int fallback);
