#include "platform/system_files.h"

#include "platform/posix_calls.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

mode_t userUmask()
{
    // The only way to read the umask is to set it; the program writes its files on one thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

int descriptor(const SystemFiles::Temporary& file)
{
    return static_cast<int>(file.handle);
}

SystemFiles::PosixCalls& calls()
{
    return SystemFiles::posixCalls();
}

// Runs `call` on the folder opened for reading; returns 0 or the error number.
template <typename Call> int onFolder(const QString& folder, Call call)
{
    const int fd = calls().openFolder(QFile::encodeName(folder).constData());
    if (fd < 0)
        return errno;
    const int error = call(fd) ? 0 : errno;
    (void)calls().close(fd);
    return error;
}

} // namespace

namespace SystemFiles
{

PosixCalls systemCalls()
{
    return {
        .mkostemps = ::mkostemps,
        .fchmod = ::fchmod,
        .write = ::write,
        .fsync = ::fsync,
        .close = ::close,
        .rename = std::rename,
        .unlink = ::unlink,
        .openFolder = [](const char* folder) { return ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC); },
        .syncfs = ::syncfs,
    };
}

PosixCalls& posixCalls()
{
    static PosixCalls calls = systemCalls();
    return calls;
}

int create(const QString& folder, const QString& prefix, const QString& suffix, Temporary& file)
{
    const QByteArray end = QFile::encodeName(suffix);
    QByteArray name = QFile::encodeName(folder + QLatin1Char('/') + prefix) + "XXXXXX" + end;
    const int fd = calls().mkostemps(name.data(), int(end.size()), O_CLOEXEC);
    if (fd < 0)
        return errno;
    file.handle = fd;
    file.path = QFile::decodeName(name);
    // mkostemps makes the file its owner's only; the user's files get the mode their umask gives.
    if (calls().fchmod(fd, 0666 & ~userUmask()) != 0) {
        const int error = errno;
        discard(file);
        return error;
    }
    return 0;
}

int writeAll(const Temporary& file, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t done = calls().write(descriptor(file), data, static_cast<size_t>(left));
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

int flush(const Temporary& file)
{
    return calls().fsync(descriptor(file)) == 0 ? 0 : errno;
}

int close(Temporary& file)
{
    const int closed = calls().close(descriptor(file));
    file.handle = -1;
    return closed == 0 ? 0 : errno;
}

int replace(const Temporary& file, const QString& target)
{
    return calls().rename(QFile::encodeName(file.path).constData(), QFile::encodeName(target).constData()) == 0 ? 0
                                                                                                                : errno;
}

void discard(Temporary& file)
{
    if (file.isOpen())
        (void)close(file);
    (void)calls().unlink(QFile::encodeName(file.path).constData());
}

int syncFolderNames(const QString& folder)
{
    return onFolder(folder, [](int fd) { return calls().fsync(fd) == 0; });
}

int syncFileSystem(const QString& folder, const QStringList& /*written*/)
{
    // syncfs() reports the write-back errors of the whole file system since the folder was opened;
    // fsync() of the folder makes its new names durable.
    return onFolder(folder, [](int fd) { return calls().syncfs(fd) == 0 && calls().fsync(fd) == 0; });
}

} // namespace SystemFiles
