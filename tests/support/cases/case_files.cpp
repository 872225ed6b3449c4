#include "support/case_files.h"

#include <QDir>
#include <QFile>

QString dataPath(const QString& name)
{
    const QString source = qEnvironmentVariable("EQSL_SOURCE_DIR");
    if (source.isEmpty())
        qFatal("EQSL_SOURCE_DIR does not name the source folder: run the tests through ctest");
    return source + QStringLiteral("/tests/data/") + name;
}

QByteArray dataBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The case file %s cannot be read: %s", qPrintable(path), qPrintable(file.errorString()));
    return file.readAll();
}

QStringList dataLines(const QString& path)
{
    QStringList lines = QString::fromUtf8(dataBytes(path)).split(u'\n', Qt::SkipEmptyParts);
    lines.removeIf([](const QString& line) { return line.startsWith(u'#'); });
    return lines;
}

QStringList dataFiles(const QString& folder, const QString& pattern)
{
    const QStringList names = QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
    if (names.isEmpty())
        qFatal("No case file %s in %s", qPrintable(pattern), qPrintable(folder));
    return names;
}

QList<DataCase> dataCases(const QString& path)
{
    QList<DataCase> cases;
    for (const QString& line : dataLines(path)) {
        if (line.startsWith(QStringLiteral("case ")))
            cases.append({line.mid(5).trimmed(), {}});
        else if (cases.isEmpty())
            qFatal("%s: a line before the first case: %s", qPrintable(path), qPrintable(line));
        else
            cases.last().lines.append(line);
    }
    if (cases.isEmpty())
        qFatal("%s holds no case", qPrintable(path));
    return cases;
}
