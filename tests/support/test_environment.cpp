#include "support/test_environment.h"

#include "platform/fonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>
#include <sys/stat.h>

TestEnvironment::TestEnvironment(const QLocale& locale)
    : previousFolder_(QDir::currentPath()), previousLocale_(QLocale())
{
    QLocale::setDefault(locale);
    Q_ASSERT(temp_.isValid());
    QDir(temp_.path()).mkpath(QStringLiteral("settings"));
    QDir(temp_.path()).mkpath(QStringLiteral("ZELVANE_E_QSL"));
    QDir(temp_.path()).mkpath(QStringLiteral("scratch"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder());
    installFontSubstitutions();
}

TestEnvironment::~TestEnvironment()
{
    program_.reset();
    QDir::setCurrent(previousFolder_);
    QLocale::setDefault(previousLocale_);
}

QString TestEnvironment::blockSettingsFile() const
{
    const QString path = settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini");
    QFile::remove(path);
    QDir().mkpath(path);
    return QStringLiteral("Les réglages ne peuvent pas être enregistrés :\r\n") + path +
           QStringLiteral(" : un dossier porte ce nom\r\nLes choix faits restent en vigueur jusqu'à la fermeture du "
                          "programme.");
}

void TestEnvironment::setStored(const QString& key, const QString& text)
{
    const Outcome saved = store.writeAtOnce(key, text);
    QVERIFY2(saved.ok(), qPrintable(saved.reason()));
}

RunningProgram& TestEnvironment::program()
{
    if (!program_)
        program_ = std::make_unique<RunningProgram>(store, dialogs, programFolder());
    return *program_;
}

QString TestEnvironment::writeScratchFile(const QString& name, const QByteArray& bytes) const
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
    const int made = ::mkfifo(QFile::encodeName(path).constData(), 0600);
    Q_ASSERT(made == 0);
    Q_UNUSED(made);
    return path;
}
