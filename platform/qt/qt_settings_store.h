// The settings store as two INI files under the XDG config folder:
// $XDG_CONFIG_HOME/orvanta/machine.ini and user.ini (normally ~/.config/orvanta). The
// environment variable ORVANTA_CONFIG_DIR points both somewhere else (tests, portable use).
#pragma once

#include <QString>
#include <memory>

#include "platform/settings_store.h"

class QSettings;

class QtSettingsStore : public ISettingsStore {
  public:
    // folder: where the two files live; empty = the default folder described above
    explicit QtSettingsStore(const QString& folder = QString());
    ~QtSettingsStore() override;

    std::optional<std::string> Read(SettingsRoot root, std::string_view section,
                                    std::string_view name) const override;
    void Write(SettingsRoot root, std::string_view section, std::string_view name,
               std::string_view value) override;

    static QString DefaultFolder();

  private:
    QSettings& For(SettingsRoot root) const;
    std::unique_ptr<QSettings> machine_;
    std::unique_ptr<QSettings> user_;
};
