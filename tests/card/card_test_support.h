#pragma once

// Helpers shared by the card window tests.

#include "adif/qso_line.h"
#include "platform/image_surface.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>

// The sample background the build draws ("QSL_TRELUNE.jpg").
inline QString sampleBackgroundPath()
{
    return QStringLiteral(EQSL_SAMPLE_BACKGROUND);
}

// Puts the sample background into the program's output folder, as the build does.
inline bool installSampleBackground(const TestEnvironment& env)
{
    QDir().mkpath(env.outputFolder());
    return QFile::copy(sampleBackgroundPath(), env.outputFolder() + QStringLiteral("/QSL_TRELUNE.jpg"));
}

// A numbered QSO line as the log reader builds it.
inline QString numberedQso(int number, const QString& callsign, const QString& band, const QString& mode,
                           const QString& via = QString(), const QString& qslReceived = QStringLiteral("Non"))
{
    return Ligne_QSO(number, {callsign, QStringLiteral("15/03/24"), QStringLiteral("14:05"), band, mode,
                              QStringLiteral("59"), qslReceived, via});
}

// A picture file of one colour, written under the test's scratch folder.
inline QString writeColourPicture(const TestEnvironment& env, const QString& name, const QColor& colour,
                                  const char* format = "PNG", QSize size = QSize(530, 340))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = env.scratchFolder() + QLatin1Char('/') + name;
    image.save(path, format);
    return path;
}

// The names of the files in a folder, sorted.
inline QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The entries (files and folders) of a folder, sorted.
inline QStringList entriesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}
