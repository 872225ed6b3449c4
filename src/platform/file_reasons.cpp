#include "platform/file_reasons.h"

#include <QDir>
#include <QFileInfo>

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
