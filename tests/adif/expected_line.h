#pragma once

#include <QString>

// The numbered line a test expects, written out column by column independently of the program's
// own line builder.
inline QString expectedLine(int number, const QString& call, const QString& date, const QString& time,
                            const QString& band, const QString& mode, const QString& rst, const QString& received,
                            const QString& via = QString())
{
    return QString::number(number).rightJustified(5) + QStringLiteral("  ") + call.leftJustified(14) +
           date.leftJustified(10) + time.leftJustified(7) + band.leftJustified(10) + mode.leftJustified(9) +
           rst.leftJustified(10) + received.leftJustified(7) + via;
}
