#include "platform/file_reasons.h"

#include <QDir>
#include <QFileInfo>

QString whyCannotRead(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return FileReason::NoSuchFile;
    if (file.isDir())
        return FileReason::IsAFolder;
    return FileReason::CannotRead;
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
