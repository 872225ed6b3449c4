#pragma once

#include <QDir>
#include <QLocale>
#include <QString>
#include <QTemporaryDir>

// The folders of one test, all temporary: the settings folder (where QSettings and the store
// look, so that no test touches the user's settings), the program folder with its output folder,
// and a folder for the test's own files. With a locale, numbers are read and written in its format
// (French: a decimal comma). The current folder and the default locale are restored when it goes.
class TestFolders
{
public:
    explicit TestFolders(const QLocale& locale = QLocale());
    ~TestFolders();
    TestFolders(const TestFolders&) = delete;
    TestFolders& operator=(const TestFolders&) = delete;

    QString settingsFolder() const { return temp_.filePath(QStringLiteral("settings")); }
    // Written with the system's separators, as the program names its folders.
    QString programFolder() const { return QDir::toNativeSeparators(temp_.filePath(QStringLiteral("ZELVANE_E_QSL"))); }
    QString outputFolder() const { return programFolder() + QDir::separator() + QStringLiteral("E_QSL"); }
    QString scratchFolder() const { return temp_.filePath(QStringLiteral("scratch")); }

    // Writes a file of bytes under the scratch folder, making its folders, and returns its path.
    QString writeScratchFile(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir temp_;
    QString previousFolder_;
    QLocale previousLocale_;
};

// Makes a FIFO at the path and returns the path: a file that hangs whoever opens it for reading.
// Windows has no FIFO in a folder: nothing is made there (kHasFifos tells the tests).
QString makeFifo(const QString& path);
#ifdef Q_OS_WIN
inline constexpr bool kHasFifos = false;
#else
inline constexpr bool kHasFifos = true;
#endif
