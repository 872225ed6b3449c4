#include "settings/settings_store.h"

#include "platform/dialogs.h"
#include "platform/file_reasons.h"
#include "settings/settings_keys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace
{

const QString kCannotSave = QStringLiteral("Les réglages ne peuvent pas être enregistrés :");
const QString kKeptForThisRun = QStringLiteral("Les choix faits restent en vigueur jusqu'à la fermeture du programme.");

std::unique_ptr<QSettings> openStore()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QString::fromLatin1(kApplicationName), QString::fromLatin1(kApplicationName));
}

// The user's settings file, found as QSettings finds it but without opening it: a probe of another
// application name, which has no file, gives its folder.
QString userSettingsFile()
{
    const QSettings probe(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kApplicationName),
                          QStringLiteral("E_QSL folder probe"));
    return QFileInfo(probe.fileName()).absolutePath() + QLatin1Char('/') + QString::fromLatin1(kApplicationName) +
           QStringLiteral(".ini");
}

bool isSpecialFile(const QString& path)
{
    const QFileInfo file(path);
    return file.exists() && !file.isFile() && !file.isDir();
}

QString qualified(const QString& key)
{
    return QString::fromLatin1(kSectionName) + QLatin1Char('/') + key;
}

// A key as an INI file of QSettings writes it: letters, digits, "_", "-" and "." as they are,
// other characters as %XX or %UXXXX.
QByteArray iniKey(const QString& key)
{
    QByteArray escaped;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '-' ||
            u == '.')
            escaped += static_cast<char>(u);
        else if (u <= 0xFF)
            escaped += '%' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
        else
            escaped += "%U" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
    }
    return escaped;
}

// Whether the file holds every key, each at the start of a line of the store's section.
bool fileHoldsKeys(const QString& path, const QStringList& keys)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = '\n' + file.readAll();
    const QByteArray section = '[' + iniKey(QString::fromLatin1(kSectionName)) + "]\n";
    const qsizetype start = text.indexOf('\n' + section);
    if (start < 0)
        return false;
    const qsizetype next = text.indexOf("\n[", start + 1);
    const QByteArray lines = text.mid(start, next < 0 ? -1 : next - start + 1);
    for (const QString& key : keys)
        if (!lines.contains('\n' + iniKey(key) + '='))
            return false;
    return true;
}

QString whySettingsNotSaved(const QString& path)
{
    const QFileInfo file(path);
    if (file.isDir())
        return FileReason::IsAFolder;
    if (!file.absoluteDir().exists())
        return FileReason::FolderCannotBeCreated;
    if (file.exists() && !file.isFile())
        return FileReason::NotARegularFile;
    return FileReason::CannotWrite;
}

} // namespace

SettingsStore::SettingsStore() = default;
SettingsStore::~SettingsStore() = default;

std::unique_ptr<QSettings> SettingsStore::open() const
{
    if (!standIn_ && isSpecialFile(userSettingsFile()))
        standIn_ = std::make_unique<QTemporaryDir>();
    if (standIn_)
        return std::make_unique<QSettings>(standIn_->filePath(QStringLiteral("E_QSL.ini")), QSettings::IniFormat);
    return openStore();
}

QSettings& SettingsStore::settings() const
{
    if (!settings_)
        settings_ = open();
    return *settings_;
}

QString SettingsStore::fileName() const
{
    return standIn_ ? userSettingsFile() : settings().fileName();
}

std::optional<QString> SettingsStore::value(const QString& key) const
{
    const QVariant stored = settings().value(qualified(key));
    if (!stored.isValid())
        return std::nullopt;
    return stored.toString();
}

QString SettingsStore::read(const QString& key, const QString& fallback) const
{
    return value(key).value_or(fallback);
}

void SettingsStore::write(const QString& key, const QString& text)
{
    settings().setValue(qualified(key), text);
    if (!unsaved_.contains(key))
        unsaved_.append(key);
    if (openBatches_ == 0)
        sync();
}

QString SettingsStore::sync()
{
    if (unsaved_.isEmpty())
        return {};
    // A QSettings keeps the first error it ever met. Opening a fresh one writes what is pending
    // (every QSettings of one file shares its values, the pending ones included) and tells about
    // this write alone; the one it replaces then has nothing left to write.
    const bool hadStandIn = standIn_ != nullptr;
    std::unique_ptr<QSettings> fresh = open();
    if (!hadStandIn && standIn_ && settings_) {
        // The file became a FIFO or a device during the run: the values of the run go on in the
        // stand-in, and the store that read the file is never flushed, since writing to such a
        // file would block for good.
        for (const QString& key : settings_->allKeys())
            fresh->setValue(key, settings_->value(key));
        fresh->sync();
        static auto* const neverFlushed = new QList<QSettings*>;
        neverFlushed->append(settings_.release());
    }
    const bool synced = fresh->status() == QSettings::NoError;
    settings_ = std::move(fresh);
    const QString path = fileName();
    if (synced && fileHoldsKeys(path, unsaved_)) {
        unsaved_.clear();
        return {};
    }
    // The keys stay pending: the next synchronisation tries them again.
    return kCannotSave + kMessageBreak + QDir::toNativeSeparators(path) + QStringLiteral(" : ") +
           whySettingsNotSaved(path) + kMessageBreak + kKeptForThisRun;
}

SettingsBatch::SettingsBatch(SettingsStore& store, Dialogs& dialogs) : store_(store), dialogs_(dialogs)
{
    ++store_.openBatches_;
}

SettingsBatch::~SettingsBatch()
{
    if (--store_.openBatches_ > 0)
        return;
    if (const QString failure = store_.sync(); !failure.isEmpty())
        dialogs_.message(failure);
}
