#include "settings/settings_store.h"

#include "platform/dialogs.h"
#include "platform/file_reasons.h"
#include "platform/file_writes.h"
#include "settings/settings_keys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStorageInfo>
#include <QTemporaryDir>

namespace
{

const QString kCannotSave = QStringLiteral("Les réglages ne peuvent pas être enregistrés :");
const QString kKeptForThisRun = QStringLiteral("Les choix faits restent en vigueur jusqu'à la fermeture du programme.");
const QString kLocked = QStringLiteral("le verrou des réglages ne peut pas être pris (un autre programme les "
                                       "enregistre, ou le verrou ne peut pas être levé)");
const QString kReadOnlyForThisRun = QStringLiteral("Les réglages restent en lecture seule jusqu'à la fermeture du "
                                                   "programme ; les choix faits restent en vigueur jusque-là.");
const QString kTooLarge = QStringLiteral("le fichier dépasse 1 Mo, bien plus qu'un fichier de réglages : il n'est ni "
                                         "lu ni remplacé");
const QString kWouldBeTooLarge = QStringLiteral("les réglages à enregistrer dépasseraient 1 Mo, bien plus qu'un "
                                                "fichier de réglages");
// %1: the folder of working copies.
const QString kNoWorkingCopy = QStringLiteral("la copie de travail des réglages ne peut pas être faite dans le "
                                              "dossier temporaire %1");

static_assert(SettingsStore::kLargestFile == qint64(1024) * 1024, "the messages above name the bound");

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

// The file that a path names once its links are followed, as QSettings writes through them (a
// settings file kept in a folder of dotfiles); the path itself when it is no link.
QString finalTarget(const QString& path)
{
    // The system's own limit on links followed in a row.
    constexpr int kMostLinks = 40;
    QString target = QFileInfo(path).absoluteFilePath();
    for (int links = 0; links < kMostLinks && QFileInfo(target).isSymLink(); ++links)
        target = QFileInfo(target).symLinkTarget();
    return target;
}

// Why no file is found at a path: nothing when there is none (the first write makes it), the
// access refused when a folder on its way may not be entered.
QString whyNotFound(const QString& path)
{
#ifndef Q_OS_WIN
    for (QFileInfo folder(QFileInfo(path).absolutePath());; folder = QFileInfo(folder.absolutePath())) {
        if (folder.exists())
            return folder.isDir() && !folder.isExecutable() ? FileReason::AccessDenied : QString();
        if (folder.isRoot())
            break;
    }
#else
    Q_UNUSED(path);
#endif
    return {};
}

struct FileBytes {
    QByteArray bytes;
    QString error; // why the file, which exists, cannot be read
};

// The settings file's bytes (the final target of a link); none when it does not exist. A file that
// is not a regular one is never opened, and one larger than a settings file is never read whole.
FileBytes readSettingsFile(const QString& target)
{
    const QFileInfo info(target);
    if (info.isSymLink())
        return {{}, FileReason::NotARegularFile}; // links in a loop
    if (!info.exists())
        return {{}, whyNotFound(target)};
    if (QString reason = whyNotARegularFile(target); !reason.isEmpty())
        return {{}, reason};
    QFile file(target);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, info.isReadable() ? FileReason::CannotRead : FileReason::AccessDenied};
    // One byte more than the bound tells a larger file, whatever size it says it has.
    FileBytes read{file.read(SettingsStore::kLargestFile + 1), {}};
    if (file.error() != QFileDevice::NoError)
        return {{}, FileReason::CannotRead};
    if (read.bytes.size() > SettingsStore::kLargestFile)
        return {{}, kTooLarge};
    return read;
}

// The text of a value as QSettings gives it, or nothing for QSettings' mark of no value. A list
// (a value with commas outside quotes, as a user types "Bon QSO, 73") reads as its items parted by
// ", ", the text QSettings writes for it.
std::optional<QString> storedText(const QVariant& value)
{
    if (!value.isValid())
        return std::nullopt;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// The settings file as QSettings reads it and, given writes, as it writes it with them.
struct IniCopy {
    QMap<QString, QString> texts; // the section's texts, with the writes
    QByteArray bytes;             // the file QSettings wrote, when there were writes
    QString error;                // why the working copy could not be made
};

// Where working copies are made: the user's runtime folder where there is one (a file system in
// memory on a desktop, where QSettings' sync of the copy costs nothing), else the system's temporary
// folder, none when TMPDIR names no folder.
QString workingFolder()
{
    const QFileInfo runtime(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    if (runtime.isAbsolute() && runtime.isDir() && runtime.isWritable())
        return runtime.filePath();
    return QDir::tempPath();
}

// Has QSettings itself read (and write) the file's bytes, on a working copy of a temporary folder
// of its own, so that the file is read and written exactly as QSettings reads and writes it (a byte
// order mark, lists, variants, lines continued, other sections). Each copy has a new path: QSettings
// keeps what it read of a file by its path.
IniCopy throughQSettings(const QByteArray& bytes, const QMap<QString, QString>& writes)
{
    IniCopy result;
    const QString temporary = workingFolder();
    const QString noCopy =
        kNoWorkingCopy.arg(displayedPath(temporary.isEmpty() ? qEnvironmentVariable("TMPDIR") : temporary));
    if (temporary.isEmpty()) {
        result.error = noCopy;
        return result;
    }
    const QTemporaryDir folder(temporary + QStringLiteral("/E_QSL-XXXXXX"));
    const QString copy = folder.filePath(QStringLiteral("E_QSL.ini"));
    QFile file(copy);
    // A working file in a folder that only this run uses, gone when the folder goes: not a file of
    // the user's, whose writing would have to leave an old one whole.
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        result.error = noCopy;
        return result;
    }
    file.close();
    {
        QSettings ini(copy, QSettings::IniFormat);
        ini.beginGroup(sectionName());
        for (auto it = writes.cbegin(); it != writes.cend(); ++it)
            ini.setValue(it.key(), it.value());
        for (const QString& key : ini.childKeys())
            if (const std::optional<QString> text = storedText(ini.value(key)))
                result.texts.insert(key, *text);
        ini.endGroup();
        if (writes.isEmpty())
            return result;
        // A line QSettings cannot read (FormatError) is left out, as QSettings leaves it out.
        ini.sync();
        if (ini.status() == QSettings::AccessError) {
            result.error = noCopy;
            return result;
        }
    }
    if (!file.open(QIODevice::ReadOnly))
        result.error = noCopy;
    else
        result.bytes = file.readAll();
    return result;
}

// Why the lock file could not be made, when no other run holds it: the folder that refuses it.
QString whyNoLockFile(const QString& lockPath, QLockFile::LockError error)
{
    const QStorageInfo volume(QFileInfo(lockPath).absolutePath());
    if (volume.isValid() && volume.isReadOnly())
        return FileReason::ReadOnlyMedium;
    if (error == QLockFile::UnknownError && volume.isValid() && volume.bytesAvailable() == 0)
        return FileReason::DiskFull;
    return whyCannotCreate(lockPath);
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
            if (const std::optional<QString> text = storedText(registry.value(key)))
                values_.insert(key, *text);
        return;
    }
    path_ = userSettingsFile();
    const QString target = finalTarget(path_);
    removeLeftoverTemporaries(QFileInfo(path_).path());
    if (QFileInfo(target).path() != QFileInfo(path_).path())
        removeLeftoverTemporaries(QFileInfo(target).path());
    // A file that cannot be read gives no values; synchronisations then say why.
    if (const FileBytes file = readSettingsFile(target); file.error.isEmpty())
        values_ = throughQSettings(file.bytes, {}).texts;
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

Outcome SettingsStore::lockFailure(const QString& lockPath, QLockFile::LockError error)
{
    // Only a lock that another run holds, or that cannot be lifted, makes the settings read-only
    // for the run; a folder that refuses the lock file is told as such, and the next save tries
    // again.
    if (error != QLockFile::LockFailedError)
        return Outcome::failure(kCannotSave + kMessageBreak + displayedPath(lockPath) + QStringLiteral(" : ") +
                                whyNoLockFile(lockPath, error) + kMessageBreak + kKeptForThisRun);
    readOnly_ = true;
    return Outcome::failure(kCannotSave + kMessageBreak + displayedPath(lockPath) + QStringLiteral(" : ") + kLocked +
                            kMessageBreak + kReadOnlyForThisRun);
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
    const QString target = finalTarget(path_);
    const QFileInfo info(target);
    if (info.isDir())
        return saveFailure(FileReason::IsAFolder);
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return saveFailure(FileReason::NotARegularFile);
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return saveFailure(FileReason::FolderCannotBeCreated);

    // The lock QSettings takes on the same file, so that two runs never write it at once.
    const QString lockPath = path_ + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (!lock.tryLock(kLockWaitMilliseconds))
        return lockFailure(lockPath, lock.error());
    // Read again once the lock is held, so that what another run wrote meanwhile is kept; a file
    // that cannot be read is not written over, since its values would be lost.
    const FileBytes file = readSettingsFile(target);
    if (!file.error.isEmpty())
        return saveFailure(file.error);
    const IniCopy written = throughQSettings(file.bytes, unsaved_);
    if (!written.error.isEmpty())
        return saveFailure(written.error);
    if (written.bytes.size() > kLargestFile)
        return saveFailure(kWouldBeTooLarge);
    // In place of the file, or of a link's target: the link stays.
    if (const Outcome replaced = writeFileReplacing(target, written.bytes); !replaced.ok())
        return saveFailure(replaced.reason());
    values_ = written.texts;
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
