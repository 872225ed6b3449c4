#pragma once

#include <QString>
#include <functional>

// What the log reader tells the user, one message box per call, in the order of the calls.
using MessageSink = std::function<void(const QString& text)>;

// The messages and placeholders of the log reader.
namespace AdifText
{
inline const QString DateMissing = QStringLiteral("Date absente, remplacée par 01/01/2000");
inline const QString TimeMissing = QStringLiteral("Heure absente, remplacée par 00:00");
inline const QString CallMissing = QStringLiteral("Indicatif absent, remplacé par FXXXX");
inline const QString BandMissing = QStringLiteral("Bande absente, remplacée par 1.8 Mhz");

inline const QString DatePlaceholder = QStringLiteral("01/01/2000");
inline const QString TimePlaceholder = QStringLiteral("00:00");
inline const QString CallPlaceholder = QStringLiteral("FXXXX");
inline const QString ModePlaceholder = QStringLiteral("XXX");
inline const QString RstPlaceholder = QStringLiteral("XX");
inline const QString BandFallback = QStringLiteral("1.8 Mhz");

// The picked line's QSL column: "Oui" selects the thanks for a received card.
inline const QString QslYes = QStringLiteral("Oui");
inline const QString QslNo = QStringLiteral("Non");

// The list is full: how many QSOs of this file were listed, then on its own line that the rest
// was not. "%1" is the count.
inline const QString ListFullOne = QStringLiteral("La liste des QSO est pleine : %1 QSO de ce fichier a été listé.");
inline const QString ListFullMany =
    QStringLiteral("La liste des QSO est pleine : %1 QSO de ce fichier ont été listés.");
inline const QString ListFullRest = QStringLiteral("La suite du fichier n'a pas été lue.");
} // namespace AdifText
