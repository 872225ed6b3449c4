#pragma once

#include "layout/card_sequence.h"

#include <QLocale>
#include <QString>

struct LayoutTexts;

// The fixed QSO of the editor's sample card. The callsigns carry two leading blanks, like the band.
namespace SampleQso
{
inline const QString Callsign = QStringLiteral("  F6XYZ");
inline const QString Date = QStringLiteral("18/11/19");
inline const QString Time = QStringLiteral("08:32");
inline const QString Band = QStringLiteral("  14 MHz");
inline const QString Mode = QStringLiteral("CW");
inline const QString Rst = QStringLiteral("599");
inline const QString Via = QStringLiteral("  F5QSL");
} // namespace SampleQso

struct SampleCard {
    CardSequence card;
    QString error; // empty when every box could be used; otherwise the message naming the box
};

// The sample card drawn from the editor's texts: positions and sizes read in the user's number
// format with their fractions kept (as 32-bit reals), colours and line widths rounded halves to
// even. A box that cannot be used (not a number, a colour outside 0 to 15, a size below 1, a line
// width below 1) gives the message naming the first such box, whether or not its line is on.
SampleCard sampleCard(const LayoutTexts& texts, bool french, const QLocale& locale = QLocale());
