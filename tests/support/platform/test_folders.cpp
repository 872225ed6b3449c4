#include "support/test_folders.h"

#include "platform/fonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

TestFolders::TestFolders(const QLocale& locale) : previousFolder_(QDir::currentPath()), previousLocale_(QLocale())
{
    QLocale::setDefault(locale);
    Q_ASSERT(temp_.isValid());
    for (const QString& folder : {settingsFolder(), programFolder(), scratchFolder()})
        QDir().mkpath(folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder());
    installFontSubstitutions();
}

TestFolders::~TestFolders()
{
    QDir::setCurrent(previousFolder_);
    QLocale::setDefault(previousLocale_);
}

QString TestFolders::writeScratchFile(const QString& name, const QByteArray& bytes) const
{
    const QString path = scratchFolder() + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QString makeFifo(const QString& path)
{
#ifdef Q_OS_WIN
    return path;
#else
    const int made = ::mkfifo(QFile::encodeName(path).constData(), 0600);
    Q_ASSERT(made == 0);
    Q_UNUSED(made);
    return path;
#endif
}
