#include "settings/settings_store.h"

#include "platform/dialogs.h"
#include "platform/file_reasons.h"
#include "platform/file_writes.h"
#include "settings/ini_section.h"
#include "settings/settings_keys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace
{

const QString kCannotSave = QStringLiteral("Les réglages ne peuvent pas être enregistrés :");
const QString kKeptForThisRun = QStringLiteral("Les choix faits restent en vigueur jusqu'à la fermeture du programme.");
const QString kLocked = QStringLiteral("le verrou des réglages ne peut pas être pris (un autre programme les "
                                       "enregistre, ou le verrou ne peut pas être levé)");
const QString kReadOnlyForThisRun = QStringLiteral("Les réglages restent en lecture seule jusqu'à la fermeture du "
                                                   "programme ; les choix faits restent en vigueur jusque-là.");

QString sectionName()
{
    return QString::fromLatin1(kSectionName);
}

// The user's settings file, where QSettings keeps the INI file of application "E_QSL": the file of
// a probe of another application name, which is never opened, gives its folder.
QString userSettingsFile()
{
    const QSettings probe(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kApplicationName),
                          QStringLiteral("E_QSL folder probe"));
    return QFileInfo(probe.fileName()).absolutePath() + QLatin1Char('/') + QString::fromLatin1(kApplicationName) +
           QStringLiteral(".ini");
}

struct FileBytes {
    QByteArray bytes;
    QString error; // why the file, which exists, cannot be read
};

// The settings file's bytes; none when it does not exist. A file that is not a regular one is
// never opened.
FileBytes readSettingsFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (QString reason = whyNotARegularFile(path); !reason.isEmpty())
        return {{}, reason};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, FileReason::CannotRead};
    FileBytes read{file.readAll(), {}};
    if (file.error() != QFileDevice::NoError)
        return {{}, FileReason::CannotRead};
    return read;
}

// The registry key of application "E_QSL", and its section "Setup " as messages name it.
const QString kRegistryKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\E_QSL");

QString registrySection()
{
    return kRegistryKey + QLatin1Char('\\') + sectionName();
}

} // namespace

SettingsStore::SettingsStore(SettingsPlace place) : place_(place)
{
}
SettingsStore::~SettingsStore() = default;

void SettingsStore::load() const
{
    if (loaded_)
        return;
    loaded_ = true;
    if (place_ == SettingsPlace::Registry) {
        path_ = registrySection();
        QSettings registry(kRegistryKey, QSettings::NativeFormat);
        registry.beginGroup(sectionName());
        for (const QString& key : registry.childKeys())
            values_.insert(key, registry.value(key).toString());
        return;
    }
    path_ = userSettingsFile();
    removeLeftoverTemporaries(QFileInfo(path_).path());
    // A file that cannot be read gives no values; synchronisations then say why.
    values_ = readIniSection(readSettingsFile(path_).bytes, sectionName()).values;
}

QString SettingsStore::fileName() const
{
    load();
    return path_;
}

std::optional<QString> SettingsStore::value(const QString& key) const
{
    load();
    const auto found = values_.constFind(key);
    if (found == values_.cend())
        return std::nullopt;
    return *found;
}

QString SettingsStore::read(const QString& key, const QString& fallback) const
{
    return value(key).value_or(fallback);
}

void SettingsStore::write(const QString& key, const QString& text)
{
    load();
    values_.insert(key, text);
    unsaved_.insert(key, text);
}

Outcome SettingsStore::writeAtOnce(const QString& key, const QString& text)
{
    write(key, text);
    return openBatches_ == 0 ? sync() : Outcome();
}

Outcome SettingsStore::saveFailure(const QString& reason) const
{
    return Outcome::failure(kCannotSave + kMessageBreak + displayedPath(path_) + QStringLiteral(" : ") + reason +
                            kMessageBreak + kKeptForThisRun);
}

Outcome SettingsStore::sync()
{
    load();
    if (unsaved_.isEmpty() || readOnly_)
        return {};
    return place_ == SettingsPlace::Registry ? syncRegistry() : syncFile();
}

Outcome SettingsStore::syncRegistry()
{
    QSettings registry(kRegistryKey, QSettings::NativeFormat);
    registry.beginGroup(sectionName());
    for (auto it = unsaved_.cbegin(); it != unsaved_.cend(); ++it)
        registry.setValue(it.key(), it.value());
    registry.endGroup();
    registry.sync();
    if (registry.status() != QSettings::NoError)
        return saveFailure(FileReason::AccessDenied);
    unsaved_.clear();
    return {};
}

Outcome SettingsStore::syncFile()
{
    const QFileInfo info(path_);
    if (info.isDir())
        return saveFailure(FileReason::IsAFolder);
    if (info.exists() && !info.isFile())
        return saveFailure(FileReason::NotARegularFile);
    if (!QDir().mkpath(info.absolutePath()))
        return saveFailure(FileReason::FolderCannotBeCreated);

    // The lock QSettings takes on the same file, so that two runs never write it at once.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMilliseconds)) {
        readOnly_ = true;
        return Outcome::failure(kCannotSave + kMessageBreak + displayedPath(path_ + QStringLiteral(".lock")) +
                                QStringLiteral(" : ") + kLocked + kMessageBreak + kReadOnlyForThisRun);
    }
    // Read again, so that what another run wrote meanwhile is kept; a file that cannot be read is
    // not written over, since its values would be lost.
    const FileBytes file = readSettingsFile(path_);
    if (!file.error.isEmpty())
        return saveFailure(file.error);
    IniSection section = readIniSection(file.bytes, sectionName());
    for (auto it = unsaved_.cbegin(); it != unsaved_.cend(); ++it)
        section.values.insert(it.key(), it.value());
    if (const Outcome written = writeFileReplacing(path_, writeIniSection(section, sectionName())); !written.ok())
        return saveFailure(written.reason());
    values_ = section.values;
    unsaved_.clear();
    return {};
}

SettingsBatch::SettingsBatch(SettingsStore& store, Dialogs& dialogs) : store_(store), dialogs_(dialogs)
{
    ++store_.openBatches_;
}

SettingsBatch::~SettingsBatch()
{
    if (--store_.openBatches_ > 0)
        return;
    if (const Outcome saved = store_.sync(); !saved.ok())
        dialogs_.message(saved.reason());
}
