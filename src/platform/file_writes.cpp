#include "platform/file_writes.h"

#include "platform/file_reasons.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

const QString kTemporaryPrefix = QStringLiteral(".eqsl-");
// A temporary file older than this is a leftover: a card or a settings file is written in
// milliseconds.
constexpr qint64 kLeftoverAgeSeconds = 60;

FileFaultHook& faultHook()
{
    static FileFaultHook hook;
    return hook;
}

// The error number of a step: the one the hook injects, else the one the system gave.
int injected(FileStep step, const QString& path)
{
    const FileFaultHook& hook = faultHook();
    return hook ? hook(step, path) : 0;
}

mode_t userUmask()
{
    // The only way to read the umask is to set it; the program writes its files on one thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Writes every byte, through short writes and interruptions. Returns 0 or the error number.
int writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::write(fd, data, static_cast<size_t>(left));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += done;
        left -= done;
    }
    return 0;
}

int syncFolderEntries(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

// A temporary file in the target's folder and its name, or the error number.
struct Temporary {
    int fd = -1;
    QByteArray name;
    int error = 0;
};

Temporary createTemporary(const QString& path)
{
    Temporary temporary;
    if ((temporary.error = injected(FileStep::Create, path)) != 0)
        return temporary;
    // A short name of its own, so that a card whose name is as long as the system allows still fits.
    temporary.name = QFile::encodeName(QFileInfo(path).path() + QLatin1Char('/') + kTemporaryPrefix) + "XXXXXX";
    temporary.fd = ::mkostemp(temporary.name.data(), O_CLOEXEC);
    if (temporary.fd < 0) {
        temporary.error = errno;
        return temporary;
    }
    // mkostemp makes the file its owner's only; the user's files get the mode their umask gives.
    if (::fchmod(temporary.fd, 0666 & ~userUmask()) != 0) {
        temporary.error = errno;
        ::close(temporary.fd);
        ::unlink(temporary.name.constData());
        temporary.fd = -1;
    }
    return temporary;
}

// Why the file could not be created in its folder.
QString whyNotCreated(const QString& path, int error)
{
    if (error == ENOENT || error == ENOTDIR || error == EACCES || error == EPERM)
        return whyCannotCreate(path);
    return reasonForError(error, FileReason::CannotCreate);
}

} // namespace

Outcome writeFileReplacing(const QString& path, const QByteArray& bytes, Durability durability)
{
    if (hasForbiddenCharacter(path))
        return Outcome::failure(FileReason::ForbiddenCharacter);
    const QByteArray target = QFile::encodeName(path);
    if (QFileInfo(path).isDir())
        return Outcome::failure(FileReason::IsAFolder);

    Temporary temporary = createTemporary(path);
    if (temporary.fd < 0)
        return Outcome::failure(whyNotCreated(path, temporary.error));

    // Each step runs only when every step before it succeeded; the first failure gives the reason.
    int error = injected(FileStep::Write, path);
    if (error == 0)
        error = writeAll(temporary.fd, bytes);
    if (error == 0 && durability == Durability::AtOnce) {
        error = injected(FileStep::Sync, path);
        if (error == 0 && ::fsync(temporary.fd) != 0)
            error = errno;
    }
    // A file system that writes on close (NFS, some FUSE ones) tells its failures there.
    if (const int closed = ::close(temporary.fd); error == 0 && closed != 0)
        error = errno;
    if (error == 0)
        error = injected(FileStep::Close, path);
    if (error == 0) {
        error = injected(FileStep::Rename, path);
        if (error == 0 && std::rename(temporary.name.constData(), target.constData()) != 0)
            error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.name.constData());
        return Outcome::failure(reasonForError(error, FileReason::CannotWrite));
    }
    if (durability == Durability::AtOnce) {
        error = injected(FileStep::SyncFolder, path);
        if (error == 0)
            error = syncFolderEntries(QFile::encodeName(QFileInfo(path).path()));
        if (error != 0)
            return Outcome::failure(reasonForError(error, FileReason::CannotWrite));
    }
    return {};
}

Outcome syncFolder(const QString& folder)
{
    int error = injected(FileStep::SyncFolder, folder);
    const QByteArray name = QFile::encodeName(folder);
    if (error == 0) {
        const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            error = errno;
        else {
            // syncfs() reports the write-back errors of the whole file system since the folder was
            // opened; fsync() of the folder makes its new names durable.
            if (::syncfs(fd) != 0 || ::fsync(fd) != 0)
                error = errno;
            ::close(fd);
        }
    }
    return error == 0 ? Outcome() : Outcome::failure(reasonForError(error, FileReason::CannotWrite));
}

int removeLeftoverTemporaries(const QString& folder)
{
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-kLeftoverAgeSeconds);
    int removed = 0;
    const QFileInfoList files = QDir(folder).entryInfoList({kTemporaryPrefix + QStringLiteral("??????")},
                                                           QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files)
        if (file.lastModified().toUTC() < before && QFile::remove(file.filePath()))
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
