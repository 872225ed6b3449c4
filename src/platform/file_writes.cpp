#include "platform/file_writes.h"

#include "platform/file_reasons.h"
#include "platform/system_files.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <cerrno>

namespace
{

// The temporaries' names, ".~eqsl-XXXXXX.tmp": hidden, marked as temporary twice over (the tilde of
// editors' working files, the ending), so that no file of the user's plausibly carries one; short,
// so that a card whose name is as long as the system allows still fits.
const QString kTemporaryPrefix = QStringLiteral(".~eqsl-");
const QString kTemporarySuffix = QStringLiteral(".tmp");
// A temporary file older than this is a leftover: a card or a settings file is written in
// milliseconds.
constexpr qint64 kLeftoverAgeSeconds = 60;

FileFaultHook& faultHook()
{
    static FileFaultHook hook;
    return hook;
}

// Runs one step: the error number the hook injects, else the one of the system call.
template <typename Call> int step(FileStep at, const QString& path, Call call)
{
    const FileFaultHook& hook = faultHook();
    if (const int error = hook ? hook(at, path) : 0; error != 0)
        return error;
    return call();
}

// The files written without being made durable, by folder, until the folder's synchronisation.
QHash<QString, QStringList>& awaitingSync()
{
    static QHash<QString, QStringList> files;
    return files;
}

// Why the file could not be created in its folder.
QString whyNotCreated(const QString& path, int error)
{
    if (error == ENOENT || error == ENOTDIR || error == EACCES || error == EPERM)
        return whyCannotCreate(path);
    return reasonForError(error, FileReason::CannotCreate);
}

// Writes the temporary file's bytes, syncs them if asked, closes it and puts it in place of the
// target. Each step runs only when every step before it succeeded; the first failure's error
// number is returned.
int writeAndReplace(SystemFiles::Temporary& temporary, const QString& path, const QByteArray& bytes,
                    Durability durability)
{
    int error = step(FileStep::Write, path, [&] { return SystemFiles::writeAll(temporary, bytes); });
    if (error == 0 && durability == Durability::AtOnce)
        error = step(FileStep::Sync, path, [&] { return SystemFiles::flush(temporary); });
    // A file system that writes on close (NFS, some FUSE ones) tells its failures there.
    if (const int closed = SystemFiles::close(temporary); error == 0)
        error = step(FileStep::Close, path, [closed] { return closed; });
    if (error == 0)
        error = step(FileStep::Rename, path, [&] { return SystemFiles::replace(temporary, path); });
    return error;
}

} // namespace

Outcome writeFileReplacing(const QString& path, const QByteArray& bytes, Durability durability)
{
    if (hasForbiddenCharacter(path))
        return Outcome::failure(FileReason::ForbiddenCharacter);
    if (QFileInfo(path).isDir())
        return Outcome::failure(FileReason::IsAFolder);

    const QString folder = QFileInfo(path).path();
    SystemFiles::Temporary temporary;
    int error = step(FileStep::Create, path,
                     [&] { return SystemFiles::create(folder, kTemporaryPrefix, kTemporarySuffix, temporary); });
    if (error != 0)
        return Outcome::failure(whyNotCreated(path, error));

    if (error = writeAndReplace(temporary, path, bytes, durability); error != 0) {
        SystemFiles::discard(temporary);
        return Outcome::failure(reasonForError(error, FileReason::CannotWrite));
    }
    if (durability == Durability::WithFolder) {
        awaitingSync()[QDir::cleanPath(folder)].append(path);
        return {};
    }
    error = step(FileStep::SyncFolder, path, [&] { return SystemFiles::syncFolderNames(folder); });
    return error == 0 ? Outcome() : Outcome::failure(reasonForError(error, FileReason::CannotWrite));
}

Outcome syncFolder(const QString& folder)
{
    const QStringList written = awaitingSync().take(QDir::cleanPath(folder));
    const int error = step(FileStep::SyncFolder, folder, [&] { return SystemFiles::syncFileSystem(folder, written); });
    return error == 0 ? Outcome() : Outcome::failure(reasonForError(error, FileReason::CannotWrite));
}

int removeLeftoverTemporaries(const QString& folder)
{
    // Exactly the names SystemFiles::create gives, letters in their case; files only, never a link
    // (the file it names is not the program's) nor a folder.
    static const QRegularExpression kTemporaryName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(kTemporaryPrefix) + QStringLiteral("[A-Za-z0-9]{6}") +
        QRegularExpression::escape(kTemporarySuffix)));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-kLeftoverAgeSeconds);
    int removed = 0;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files)
        if (kTemporaryName.match(file.fileName()).hasMatch() && file.lastModified().toUTC() < before &&
            QFile::remove(file.filePath()))
            ++removed;
    return removed;
}

Outcome makeFolder(const QString& folder)
{
    if (QDir().mkpath(folder))
        return {};
    return Outcome::failure(QFileInfo(folder).isFile() ? FileReason::IsAFile : FileReason::FolderCannotBeMade);
}

void setFileFaultHook(FileFaultHook hook)
{
    faultHook() = std::move(hook);
}
