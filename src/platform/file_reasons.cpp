#include "platform/file_reasons.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

bool hasForbiddenNameCharacter(const QString& name)
{
#ifdef Q_OS_WIN
    static const QString kForbidden = QStringLiteral("<>:\"/\\|?*");
    return std::any_of(name.cbegin(), name.cend(),
                       [](QChar c) { return c.unicode() < 0x20 || kForbidden.contains(c); });
#else
    return name.contains(QChar(u'\0'));
#endif
}

bool hasForbiddenCharacter(const QString& path)
{
    const qsizetype lastSeparator = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QDir::separator()));
    return path.contains(QChar(u'\0')) || hasForbiddenNameCharacter(path.mid(lastSeparator + 1));
}

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
#ifdef EDQUOT
    case EDQUOT: return FileReason::QuotaReached;
#endif
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

QString namedPath(const QString& path)
{
    for (const auto& [alias, name] : shownFolders())
        if (path == alias || path.startsWith(alias + QLatin1Char('/')))
            return name + path.sliced(alias.size());
    return path;
}

QString displayedPath(const QString& path)
{
    // Longer than the longest path Linux and Windows accept: never a real file's name.
    constexpr qsizetype kLongest = 4096;
    constexpr qsizetype kShownEachEnd = 120;
    QString shown = QDir::toNativeSeparators(namedPath(path));
    if (shown.size() > kLongest)
        shown = shown.first(kShownEachEnd) + QStringLiteral(" [...] ") + shown.last(kShownEachEnd);
    return shown.replace(QChar(u'\0'), QStringLiteral("\\0"));
}
