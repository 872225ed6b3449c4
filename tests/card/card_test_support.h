#pragma once

// Helpers shared by the card window tests.

#include "adif/qso_line.h"
#include "platform/image_surface.h"
#include "support/test_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>

using namespace Qt::StringLiterals;

inline const QString kSavedMessage =
    u"Les QSL ont été enregistrées dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL"_s;
// The end of the message telling of cards that could not be saved.
inline const QString kPicksKept = u"\r\nLes QSO de ces QSL sont gardés : corrigez la cause, fermez cet aperçu, puis "
                                  u"cliquez à nouveau sur \"Enregistrer les QSL\"."_s;

// The sample background the build draws ("QSL_TRELUNE.jpg").
inline QString sampleBackgroundPath()
{
    return QStringLiteral(EQSL_SAMPLE_BACKGROUND);
}

// Puts the sample background into the program's output folder, as the build does.
inline bool installSampleBackground(const TestEnvironment& env)
{
    QDir().mkpath(env.outputFolder());
    return QFile::copy(sampleBackgroundPath(), env.outputFolder() + u"/QSL_TRELUNE.jpg"_s);
}

// A first start: the sample background in the output folder, the start-up messages forgotten.
inline bool startWithTheSampleBackground(TestEnvironment& env)
{
    const bool installed = installSampleBackground(env);
    env.start();
    env.dialogs.clear();
    return installed;
}

// A numbered QSO line as the log reader builds it.
inline QString numberedQso(int number, const QString& callsign, const QString& band, const QString& mode,
                           const QString& via = QString(), const QString& qslReceived = u"Non"_s)
{
    return Ligne_QSO(number, {callsign, u"15/03/24"_s, u"14:05"_s, band, mode, u"59"_s, qslReceived, via});
}

// The export window's message for a background it cannot load, with QSOs picked.
inline QString backgroundRefused(const QString& path, const QString& reason)
{
    return u"Le fond de QSL ne peut pas être chargé :\r\n"_s + QDir::toNativeSeparators(path) + u" : "_s + reason +
           u"\r\nAucune QSL n'a été enregistrée : choisissez un fond avec \"Fond QSL\".\r\nLes QSO sélectionnés sont "
           "gardés : fermez cet aperçu, puis cliquez à nouveau sur \"Enregistrer les QSL\"."_s;
}

// A picture file of one colour, written under the test's scratch folder.
inline QString writeColourPicture(const TestEnvironment& env, const QString& name, const QColor& colour,
                                  const char* format = "PNG", QSize size = QSize(530, 340))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = env.scratchFolder() + u'/' + name;
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

inline void destroyClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
