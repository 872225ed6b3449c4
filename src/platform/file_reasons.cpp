#include "platform/file_reasons.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

QString whyNotARegularFile(const QString& path)
{
    const QFileInfo file(path);
    if (file.isFile())
        return {};
    if (!file.exists())
        return FileReason::NoSuchFile;
    if (file.isDir())
        return FileReason::IsAFolder;
    return FileReason::NotARegularFile;
}

QString whyCannotRead(const QString& path)
{
    const QString reason = whyNotARegularFile(path);
    return reason.isEmpty() ? FileReason::CannotRead : reason;
}

QString whyCannotCreate(const QString& path)
{
    const QFileInfo file(path);
    if (!file.absoluteDir().exists())
        return FileReason::NoSuchFolder;
    if (file.isDir())
        return FileReason::IsAFolder;
    return FileReason::CannotCreate;
}

QString reasonForError(int error, const QString& otherwise)
{
    switch (error) {
    case ENOSPC: return FileReason::DiskFull;
    case EDQUOT: return FileReason::QuotaReached;
    case EIO: return FileReason::MediumFailed;
    case EROFS: return FileReason::ReadOnlyMedium;
    case EACCES:
    case EPERM: return FileReason::AccessDenied;
    case ENAMETOOLONG: return FileReason::NameTooLong;
    case EISDIR: return FileReason::IsAFolder;
    default: return otherwise;
    }
}

namespace
{

QList<std::pair<QString, QString>>& shownFolders()
{
    static QList<std::pair<QString, QString>> folders;
    return folders;
}

} // namespace

void showFolderAs(const QString& alias, const QString& shown)
{
    shownFolders().append({alias, shown});
}

QString displayedPath(const QString& path)
{
    // Longer than the longest path Linux and Windows accept: never a real file's name.
    constexpr qsizetype kLongest = 4096;
    constexpr qsizetype kShownEachEnd = 120;
    QString shown = QDir::toNativeSeparators(path);
    for (const auto& [alias, name] : shownFolders())
        if (shown == alias || shown.startsWith(alias + QLatin1Char('/')))
            shown.replace(0, alias.size(), name);
    if (shown.size() > kLongest)
        shown = shown.first(kShownEachEnd) + QStringLiteral(" [...] ") + shown.last(kShownEachEnd);
    return shown.replace(QChar(u'\0'), QStringLiteral("\\0"));
}
