#include "platform/qt/qt_settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "model/cp1252.h"

namespace {

// Keys keep their exact spelling: QSettings would treat "/" as a group separator and ".use"
// or "1.0.0.1" need no escaping of their own, so only the slash is replaced.
QString Key(std::string_view section, std::string_view name) {
    QString s = QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size()));
    QString n = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    s.replace('/', '\\');
    n.replace('/', '\\');
    return s + '/' + n;
}

}  // namespace

QString QtSettingsStore::DefaultFolder() {
    const QByteArray custom = qgetenv("ORVANTA_CONFIG_DIR");
    if (!custom.isEmpty())
        return QString::fromLocal8Bit(custom);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/orvanta";
}

QString QtSettingsStore::SystemDefaultsFile() {
    if (qEnvironmentVariableIsSet("ORVANTA_SYSTEM_DEFAULTS"))
        return qEnvironmentVariable("ORVANTA_SYSTEM_DEFAULTS");
    QStringList candidates;
    for (const QString& dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation).mid(1))
        candidates << dir + "/orvanta/defaults.ini";
    if (QCoreApplication::instance())
        candidates << QCoreApplication::applicationDirPath() + "/../share/orvanta/defaults.ini";
    for (const QString& file : candidates)
        if (QFileInfo(file).isFile())
            return QFileInfo(file).absoluteFilePath();
    return {};
}

QtSettingsStore::QtSettingsStore(const QString& folder) {
    const QString dir = folder.isEmpty() ? DefaultFolder() : folder;
    QDir().mkpath(dir);
    machine_ = std::make_unique<QSettings>(dir + "/machine.ini", QSettings::IniFormat);
    user_ = std::make_unique<QSettings>(dir + "/user.ini", QSettings::IniFormat);
    const QString defaults = SystemDefaultsFile();
    if (!defaults.isEmpty())
        defaults_ = std::make_unique<QSettings>(defaults, QSettings::IniFormat);
}

QtSettingsStore::~QtSettingsStore() = default;

QSettings& QtSettingsStore::For(SettingsRoot root) const {
    return root == SettingsRoot::Machine ? *machine_ : *user_;
}

std::optional<std::string> QtSettingsStore::Read(SettingsRoot root, std::string_view section,
                                                 std::string_view name) const {
    QVariant v = For(root).value(Key(section, name));
    if (!v.isValid() && defaults_)
        v = defaults_->value(Key(section, name));
    if (!v.isValid())
        return std::nullopt;
    // the file is UTF-8; the core works in Windows-1252
    return orv::Utf8ToCp1252(v.toString().toStdString());
}

void QtSettingsStore::Write(SettingsRoot root, std::string_view section, std::string_view name,
                            std::string_view value) {
    QSettings& s = For(root);
    s.setValue(Key(section, name), QString::fromStdString(orv::Cp1252ToUtf8(value)));
    s.sync();
    // one report per session is enough: every later write would fail the same way
    if (s.status() != QSettings::NoError && reporter_ && !reported_) {
        reported_ = true;
        reporter_(s.fileName());
    }
}

void QtSettingsStore::SetFailureReporter(std::function<void(const QString& file)> reporter) {
    reporter_ = std::move(reporter);
}
