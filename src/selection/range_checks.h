#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The checks of the range window (Select_Log) on the texts of its boxes `Deb` and `Fin`, against
// the number of lines in Liste_QSO. Each gives the message to show, or nothing when it passes.

// The decimal number at the beginning of a box's text (leading blanks skipped); 0 when there is
// none. Very long numbers stop growing at a value larger than any list.
int leadingNumber(QStringView text);

// Enter in `Deb`.
std::optional<QString> checkStart(QStringView start, int lineCount);

// Enter in `Fin` (the start is read again from `Deb`).
std::optional<QString> checkEnd(QStringView start, QStringView end, int lineCount);

// "Valider": the checks of both boxes, and a start of at least 1, so that only a range of
// existing lines is ever applied. Tells which box to go back to.
enum class RangeBox { Start, End };
struct RangeRefusal {
    QString message;
    RangeBox box;
};
std::optional<RangeRefusal> checkRange(QStringView start, QStringView end, int lineCount);
