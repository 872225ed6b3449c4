#include "platform/batch_files.h"

#include "platform/file_reasons.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

QString writeFileReplacing(const QString& path, const QByteArray& bytes)
{
    if (hasForbiddenCharacter(path))
        return FileReason::ForbiddenCharacter;
    // A short name of its own, so that a card whose name is as long as the system allows still fits.
    QTemporaryFile temporary(QFileInfo(path).path() + QStringLiteral("/.eqsl-XXXXXX"));
    if (!temporary.open())
        return whyCannotCreate(path);
    if (temporary.write(bytes) != bytes.size() || !temporary.flush())
        return FileReason::CannotWrite;
    // Readable by all, as a file the program creates directly (a temporary file is its owner's only).
    temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    temporary.close();
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return QFileInfo(path).isDir() ? FileReason::IsAFolder : FileReason::CannotReplace;
    temporary.setAutoRemove(false);
    return {};
}

QString syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::syncfs(fd) == 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return synced ? QString() : FileReason::CannotWrite;
}
