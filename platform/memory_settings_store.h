// Settings kept in memory only: the default store, and the tests' store.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "platform/settings_store.h"

class MemorySettingsStore : public ISettingsStore {
  public:
    std::optional<std::string> Read(SettingsRoot root, std::string_view section,
                                    std::string_view name) const override {
        auto it = values_.find(Key(root, section, name));
        if (it == values_.end())
            return std::nullopt;
        return it->second;
    }
    void Write(SettingsRoot root, std::string_view section, std::string_view name,
               std::string_view value) override {
        values_[Key(root, section, name)] = std::string(value);
    }
    void Clear() { values_.clear(); }

  private:
    using KeyType = std::tuple<int, std::string, std::string>;
    static KeyType Key(SettingsRoot root, std::string_view section, std::string_view name) {
        return {static_cast<int>(root), std::string(section), std::string(name)};
    }
    std::map<KeyType, std::string> values_;
};
