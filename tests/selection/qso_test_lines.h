#pragma once

#include "adif/qso_line.h"

#include <QStringList>

// Numbered lines for the list tests: one QSO per callsign, numbered from `first`.
inline QStringList numberedLines(const QStringList& calls, const QString& date = QStringLiteral("15/03/24"),
                                 int first = 1)
{
    QStringList lines;
    int number = first;
    for (const QString& call : calls)
        lines.append(Ligne_QSO(number++, {call, date, "14:05", "14 Mhz", "SSB", "59", "Non", {}}));
    return lines;
}

// Calls "C1", "C2" ... "Cn".
inline QStringList calls(int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list.append(QStringLiteral("C%1").arg(i));
    return list;
}

// The numbers shown in the number column of numbered lines.
inline QList<int> numbersOf(const QStringList& numbered)
{
    QList<int> numbers;
    for (const QString& line : numbered)
        numbers.append(line.left(5).trimmed().toInt());
    return numbers;
}

// The callsigns at the start of picked lines, or after the number column of numbered ones.
inline QStringList callsOf(const QStringList& lines, bool numbered)
{
    QStringList result;
    for (const QString& line : lines)
        result.append(line.mid(numbered ? 7 : 0, 14).trimmed());
    return result;
}
