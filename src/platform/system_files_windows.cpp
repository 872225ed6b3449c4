#include "platform/system_files.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <windows.h>

namespace
{

// The error number of the same cause as a Windows error.
int errorNumber(DWORD error)
{
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EACCES;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_CRC:
    case ERROR_IO_DEVICE:
    case ERROR_SEEK:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_NOT_READY:
    case ERROR_DEVICE_NOT_CONNECTED: return EIO;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE: return ENOENT;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    default: return EINVAL;
    }
}

int lastError()
{
    return errorNumber(::GetLastError());
}

// A path as Windows' file functions take it: an absolute one in its long form ("\\?\C:\..."),
// which is not held to the 260 characters of the short form.
std::wstring native(const QString& path)
{
    const QString absolute = QDir::toNativeSeparators(QDir::cleanPath(QDir().absoluteFilePath(path)));
    if (absolute.startsWith(QStringLiteral("\\\\")))
        return absolute.toStdWString(); // a network path, left in its own form
    return (QStringLiteral("\\\\?\\") + absolute).toStdWString();
}

// Windows (and Wine) tell a name longer than their file systems take as a name they cannot find
// or read: a name that long fails for its length.
int nameTooLongOr(DWORD error, const QString& path)
{
    constexpr qsizetype kLongestName = 255;
    return QFileInfo(path).fileName().size() > kLongestName ? ENAMETOOLONG : errorNumber(error);
}

HANDLE handleOf(const SystemFiles::Temporary& file)
{
    return reinterpret_cast<HANDLE>(file.handle);
}

QString sixLettersOrDigits()
{
    static const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString letters;
    for (int i = 0; i < 6; ++i)
        letters += kAlphabet.at(QRandomGenerator::global()->bounded(static_cast<int>(kAlphabet.size())));
    return letters;
}

} // namespace

namespace SystemFiles
{

int create(const QString& folder, const QString& prefix, const QString& suffix, Temporary& file)
{
    // A name another file already has is drawn again, as mkstemps does.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = folder + QLatin1Char('/') + prefix + sixLettersOrDigits() + suffix;
        const HANDLE handle =
            ::CreateFileW(native(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            file.handle = reinterpret_cast<std::intptr_t>(handle);
            file.path = path;
            return 0;
        }
        if (const DWORD error = ::GetLastError(); error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return errorNumber(error);
    }
    return EEXIST;
}

int writeAll(const Temporary& file, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const auto chunk = static_cast<DWORD>(qMin<qsizetype>(left, 1 << 30));
        DWORD done = 0;
        if (!::WriteFile(handleOf(file), data, chunk, &done, nullptr))
            return lastError();
        data += done;
        left -= done;
    }
    return 0;
}

int flush(const Temporary& file)
{
    return ::FlushFileBuffers(handleOf(file)) ? 0 : lastError();
}

int close(Temporary& file)
{
    const BOOL closed = ::CloseHandle(handleOf(file));
    file.handle = -1;
    return closed ? 0 : lastError();
}

int replace(const Temporary& file, const QString& target)
{
    // Write-through: the new name is on disk when the move returns.
    if (::MoveFileExW(native(file.path).c_str(), native(target).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return nameTooLongOr(::GetLastError(), target);
}

void discard(Temporary& file)
{
    if (file.isOpen())
        (void)close(file);
    ::DeleteFileW(native(file.path).c_str());
}

int syncFolderNames(const QString& /*folder*/)
{
    // Every replacement was written through (MOVEFILE_WRITE_THROUGH).
    return 0;
}

int syncFileSystem(const QString& folder, const QStringList& written)
{
    if (!QDir(folder).exists())
        return ENOENT;
    for (const QString& path : written) {
        const HANDLE handle =
            ::CreateFileW(native(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = ::GetLastError();
            // A card the user removed or renamed meanwhile has nothing left to make durable.
            if (error == ERROR_FILE_NOT_FOUND)
                continue;
            return errorNumber(error);
        }
        const BOOL flushed = ::FlushFileBuffers(handle);
        const int error = flushed ? 0 : lastError();
        ::CloseHandle(handle);
        if (error != 0)
            return error;
    }
    return 0;
}

} // namespace SystemFiles
