#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <optional>

// Numbers as the user types and stores them: decimal text in the user's number format
// (a decimal comma under a French format), blanks around it allowed.

// The text read as a real number, fractions kept; nothing when it is not a number.
std::optional<double> readNumber(const QString& text, const QLocale& locale = QLocale());

// The text read as a number and rounded to the nearest whole number, a half going to the
// even neighbour (12.5 gives 12, 13.5 gives 14); nothing when it is not a number or the
// result does not fit a signed 16-bit whole number.
std::optional<qint16> readInt16(const QString& text, const QLocale& locale = QLocale());

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

// A number written in the user's number format ("91,5" under a French format, "84" for 84).
QString writeNumber(double value, const QLocale& locale = QLocale());
