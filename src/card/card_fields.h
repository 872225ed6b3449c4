#pragma once

#include <QString>

// The fields of one QSO as a card prints them, cut out of a picked QSO line.
struct CardFields {
    QString callsign;    // columns 1-11, trimmed, centred in 11
    QString date;        // columns 15-22, as is
    QString time;        // columns 25-29, as is
    QString band;        // columns 32-40, trimmed, centred in 9
    QString mode;        // columns 42-48, as is
    QString rst;         // columns 51-58, as is
    QString qslReceived; // columns 61-63, as is
    QString via;         // columns 66-76, trimmed, centred in 11

    bool operator==(const CardFields&) const = default;
};

// Cuts a picked QSO line (the numbered line without its number column) into its card fields.
// A column range past the end of the line gives the characters that exist, possibly none.
CardFields cutPickedLine(const QString& line);

// The text with k blanks in front and none behind, k = (width - length) / 2 rounded to the
// nearest whole number, halves to the even neighbour.
QString centreText(const QString& text, int width);

// The card's file name: "QSL_" + callsign + "_" + band + "_" + mode + ".bmp", each field without
// its blanks at both ends and with every "/" made "_".
QString cardFileName(const CardFields& fields);
