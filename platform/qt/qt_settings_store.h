// The settings store as two INI files under the XDG config folder:
// $XDG_CONFIG_HOME/orvanta/machine.ini and user.ini (normally ~/.config/orvanta). The
// environment variable ORVANTA_CONFIG_DIR points both somewhere else (tests, portable use).
//
// A value missing there comes from the system-wide defaults file, when there is one: the first
// of $XDG_CONFIG_DIRS/orvanta/defaults.ini (normally /etc/xdg/orvanta/defaults.ini, the
// administrator's) and share/orvanta/defaults.ini beside the installed program (the
// package's); $ORVANTA_SYSTEM_DEFAULTS names another file, or none when empty. The defaults
// file has the same sections and names as the user's files (the machine and user sections
// never share a name); writes always go to the user's files.
#pragma once

#include <QString>
#include <functional>
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

    // Called with the file's path when a write could not reach the file (a full disk, a
    // read-only folder); the value stays in memory for this session.
    void SetFailureReporter(std::function<void(const QString& file)> reporter);

    static QString DefaultFolder();
    // the system-wide defaults file described above, or empty
    static QString SystemDefaultsFile();

  private:
    QSettings& For(SettingsRoot root) const;
    std::unique_ptr<QSettings> machine_;
    std::unique_ptr<QSettings> user_;
    std::unique_ptr<QSettings> defaults_;
    std::function<void(const QString&)> reporter_;
    bool reported_ = false;
};
