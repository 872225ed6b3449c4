#include "platform/program_folder.h"

#include "platform/file_reasons.h"
#include "platform/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>
#ifndef Q_OS_WIN
#include <climits>
#include <fcntl.h>
#include <unistd.h>
#endif

void ignoreRelativeXdgFolders()
{
    for (const char* single :
         {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"})
        if (qEnvironmentVariableIsSet(single) && QDir::isRelativePath(qEnvironmentVariable(single)))
            qunsetenv(single);
    for (const char* list : {"XDG_DATA_DIRS", "XDG_CONFIG_DIRS"}) {
        if (!qEnvironmentVariableIsSet(list))
            continue;
        QStringList folders = qEnvironmentVariable(list).split(QLatin1Char(':'));
        folders.removeIf([](const QString& folder) { return QDir::isRelativePath(folder); });
        if (folders.isEmpty())
            qunsetenv(list);
        else
            qputenv(list, QFile::encodeName(folders.join(QLatin1Char(':'))));
    }
}

namespace
{

// The bytes read as UTF-8 where they are UTF-8, each other byte as its Windows-1252 character: an
// old Latin-1 name as its user typed it.
QString nameOfBytes(const QByteArray& bytes)
{
    QString name;
    for (qsizetype at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        const qsizetype length = lead < 0x80             ? 1
                                 : (lead & 0xE0) == 0xC0 ? 2
                                 : (lead & 0xF0) == 0xE0 ? 3
                                 : (lead & 0xF8) == 0xF0 ? 4
                                                         : 0;
        if (length > 0 && at + length <= bytes.size()) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString character = utf8.decode(bytes.sliced(at, length));
            if (!utf8.hasError()) {
                name += character;
                at += length;
                continue;
            }
        }
        name += decodeText(bytes.sliced(at, 1));
        ++at;
    }
    return name;
}

} // namespace

QString folderFromBytes(const QByteArray& folder)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString name = utf8.decode(folder);
    if (!utf8.hasError())
        return QDir::toNativeSeparators(name);
#ifdef Q_OS_WIN
    // Windows names its folders in UTF-16: every name has its UTF-8 bytes.
    return {};
#else
    const int fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QString alias = QStringLiteral("/proc/self/fd/%1").arg(fd);
    showFolderAs(alias, nameOfBytes(folder));
    return alias;
#endif
}

QString executableFolder()
{
    const QString folder = QCoreApplication::applicationDirPath();
    if (!folder.isEmpty())
        return QDir::toNativeSeparators(folder);
#ifdef Q_OS_WIN
    return {};
#else
    // Qt gives no name for a folder whose name is not UTF-8: its bytes come from the system.
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0)
        return {};
    const QByteArray executable(path, length);
    return folderFromBytes(executable.left(qMax<qsizetype>(1, executable.lastIndexOf('/'))));
#endif
}

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QDir::separator()) || folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QDir::separator() + name;
}

QString perUserProgramFolder()
{
    return joinPath(QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)),
                    QStringLiteral("ZELVANE_E_QSL"));
}

bool folderWritable(const QString& folder)
{
    const QFileInfo info(folder);
#ifdef Q_OS_WIN
    // Windows' access rules (Program Files is the administrators' only) are not in a folder's
    // attributes: a file made and removed at once is the answer.
    if (!info.isDir())
        return false;
    QTemporaryFile probe(joinPath(folder, QStringLiteral(".eqsl-probe-XXXXXX")));
    return probe.open();
#else
    return info.isDir() && info.isWritable();
#endif
}

QStringList sampleFileNames()
{
    return {QStringLiteral("QSL_TRELUNE.jpg"), QStringLiteral("Exemple_log.adi")};
}

namespace
{

void preparePerUserFolder(const QString& executableFolder, const QString& perUserFolder)
{
    const QString name = QString::fromLatin1(kOutputFolderName);
    const QString from = joinPath(executableFolder, name);
    const QString to = joinPath(perUserFolder, name);
    if (!QDir().mkpath(to))
        return;
    for (const QString& file : sampleFileNames()) {
        const QString target = joinPath(to, file);
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        // The copy keeps the read-only mode of the installed file: the user's copy is made theirs.
        if (QFile::copy(joinPath(from, file), target))
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
}

} // namespace

QString programFolderFor(const QString& executableFolder, bool executableFolderWritable, const QString& perUserFolder)
{
    if (executableFolderWritable)
        return executableFolder;
    preparePerUserFolder(executableFolder, perUserFolder);
    return perUserFolder;
}

QString programFolderForThisUser()
{
    const QString executable = executableFolder();
    return programFolderFor(executable, folderWritable(executable), perUserProgramFolder());
}
