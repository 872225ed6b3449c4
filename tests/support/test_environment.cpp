#include "support/test_environment.h"

#include "platform/fonts.h"

#include <QDir>
#include <QFile>
#include <QSettings>

TestEnvironment::TestEnvironment() : previousFolder_(QDir::currentPath()), previousLocale_(QLocale())
{
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

QString TestEnvironment::settingsFolder() const
{
    return temp_.filePath(QStringLiteral("settings"));
}

QString TestEnvironment::programFolder() const
{
    return temp_.filePath(QStringLiteral("ZELVANE_E_QSL"));
}

QString TestEnvironment::outputFolder() const
{
    return programFolder() + QStringLiteral("/E_QSL");
}

QString TestEnvironment::scratchFolder() const
{
    return temp_.filePath(QStringLiteral("scratch"));
}

RunningProgram& TestEnvironment::program()
{
    if (!program_)
        program_ = std::make_unique<RunningProgram>(store, dialogs, programFolder());
    return *program_;
}

MainWindow& TestEnvironment::start()
{
    return program().start();
}

QString TestEnvironment::writeScratchFile(const QString& name, const QByteArray& bytes) const
{
    const QString path = scratchFolder() + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void useFrenchNumberFormat()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}
