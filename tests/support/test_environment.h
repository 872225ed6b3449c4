#pragma once

#include "app/running_program.h"
#include "doubles/scripted_dialogs.h"
#include "settings/settings_store.h"

#include <QLocale>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A whole program for one test: settings in a temporary folder, a temporary program folder,
// scripted dialogs, and the windows created on demand. Restores the current folder and the
// default locale when it goes.
class TestEnvironment
{
public:
    // With a locale, the program reads and writes numbers in its format (French: a decimal comma).
    explicit TestEnvironment(const QLocale& locale = QLocale());
    ~TestEnvironment();

    // The settings folder, the program folder ("<temp>/ZELVANE_E_QSL") with its output folder,
    // and a folder for the test's own files.
    QString settingsFolder() const { return temp_.filePath(QStringLiteral("settings")); }
    QString programFolder() const { return temp_.filePath(QStringLiteral("ZELVANE_E_QSL")); }
    QString outputFolder() const { return programFolder() + QStringLiteral("/E_QSL"); }
    QString scratchFolder() const { return temp_.filePath(QStringLiteral("scratch")); }

    // Puts a folder in place of the settings file, so that no write reaches it, and returns the
    // message that tells the user so.
    QString blockSettingsFile() const;

    SettingsStore store;
    ScriptedDialogs dialogs;

    // Stores a text as the program would have stored it before the test; a failure fails the test.
    void setStored(const QString& key, const QString& text);

    // The program, created on first use; start() also creates the main window (start-up).
    RunningProgram& program();
    MainWindow& start() { return program().start(); }

    // Writes a file of bytes under the scratch folder, making its folders, and returns its path.
    QString writeScratchFile(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir temp_;
    QString previousFolder_;
    QLocale previousLocale_;
    std::unique_ptr<RunningProgram> program_;
};

// Makes a FIFO at the path and returns the path: a file that hangs whoever opens it for reading.
QString makeFifo(const QString& path);
