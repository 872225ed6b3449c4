#pragma once

#include <QString>
#include <QStringView>

// A QSO as one fixed-width text line (QsoLine), in two forms:
// - the numbered form held by Liste_QSO: a 5-column right-aligned number, two blanks, then the
//   picked form;
// - the picked form held by Liste_Imprime and read back by the card export: callsign, date,
//   start time, band label, mode, report sent and QSL received, each padded to its column,
//   then the QSL manager with nothing after it.

// The values of one QSO as the log reader leaves them.
struct QsoFields {
    QString callsign;
    QString date;
    QString time;
    QString band;
    QString mode;
    QString rstSent;
    QString qslReceived;
    QString qslVia;
};

// Column widths, in the order of the line.
namespace QsoColumn
{
inline constexpr int Number = 7; // 5 digits and 2 blanks
inline constexpr int Callsign = 14;
inline constexpr int Date = 10;
inline constexpr int Time = 7;
inline constexpr int Band = 10;
inline constexpr int Mode = 9;
inline constexpr int RstSent = 10;
inline constexpr int QslReceived = 7;
} // namespace QsoColumn

// The numbered form of a QSO.
QString Ligne_QSO(int number, const QsoFields& fields);

// The picked form: the numbered line without its number column.
QString Corps_Ligne(const QString& numberedLine);

// The numbered form of a picked line under the given number.
QString Numeroter(int number, const QString& pickedLine);

// Whether the number column of a numbered line reads `number` (then Numeroter(number,
// Corps_Ligne(line)) is the line itself).
bool hasNumber(QStringView numberedLine, int number);

// Gives a numbered line the number `number`: the same text as Numeroter(number,
// Corps_Ligne(line)), written over the number column in place.
void renumber(QString& numberedLine, int number);

// The header captions over Liste_QSO (numbered) and Liste_Imprime (picked).
QString numberedHeader();
QString pickedHeader();
