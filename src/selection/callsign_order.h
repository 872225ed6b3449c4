#pragma once

#include <QStringList>
#include <QStringView>

// The order of "Tri par call": text order without regard to case, where a blank comes before
// every other character and digits come before letters. Picked lines start with the callsign
// padded with blanks, then the date day first, so this orders them by callsign (a callsign that
// begins a longer one first), then by day, month and year, then by start time.
bool comesBeforeByCall(QStringView left, QStringView right);

// Sorts lines in that order of their text after the first `skip` characters (7 for numbered
// lines: their picked form); lines that compare equal keep their order.
void sortByCall(QStringList& lines, qsizetype skip = 0);
