#pragma once

#include <QList>
#include <QStringList>
#include <QTest>

// The files of cases under tests/data, read the same way by every test. A file or folder that
// cannot be read stops the test executable with its path, so that a case can never pass by going
// missing.

// Adds a row to a data-driven test's table, one row to a line: addRow("name", column1, column2, ...).
template <typename... Values> void addRow(const char* name, const Values&... values)
{
    (QTest::newRow(name) << ... << values);
}

// The path of a file or folder under tests/data ("card/journal.adi", "adif/").
QString dataPath(const QString& name);

// The bytes of a file.
QByteArray dataBytes(const QString& path);

// The lines of a UTF-8 file, without the empty ones and the comments (lines that begin with "#").
QStringList dataLines(const QString& path);

// The names of the files of a folder that match a pattern ("*.txt"), in order; there is at least one.
QStringList dataFiles(const QString& folder, const QString& pattern);

// A file of cases: after its comments, paragraphs that each begin with a line "case <name>".
struct DataCase {
    QString name;
    QStringList lines; // the lines after "case <name>", as dataLines gives them
};
QList<DataCase> dataCases(const QString& path);
