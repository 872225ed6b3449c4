#pragma once

#include <QFile>
#include <QTest>

// Adds a row to a data-driven test's table, one row to a line: addRow("name", column1, column2, ...).
template <typename... Values> void addRow(const char* name, const Values&... values)
{
    (QTest::newRow(name) << ... << values);
}

// The path of a file of the test cases, under tests/data.
inline QString dataPath(const QString& name)
{
    return qEnvironmentVariable("EQSL_SOURCE_DIR") + QStringLiteral("/tests/data/") + name;
}

// The lines of a UTF-8 file, without the empty ones and the comments ("#"); the path alone when
// the file cannot be read, so that no comparison with it passes.
inline QStringList dataLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {path};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    lines.removeIf([](const QString& line) { return line.startsWith(u'#'); });
    return lines;
}
