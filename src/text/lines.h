#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Which characters end a line.
enum class LineEnds {
    CrLfOrCr,  // a carriage return followed by a line feed, or a lone carriage return
    AlsoLoneLf // the same, and a lone line feed as well, as logs written on Linux end their lines
};

// The lines of a text one after the other, as views into it (which must outlive them), without
// holding them all: a text made of line ends alone costs no more memory than the text.
class LineCursor
{
public:
    explicit LineCursor(QStringView text, LineEnds ends = LineEnds::CrLfOrCr) : text_(text), ends_(ends) {}

    // The next line; false after the last one.
    bool next(QStringView& line);

private:
    qsizetype lineEnd(qsizetype from) const;

    QStringView text_;
    LineEnds ends_;
    qsizetype start_ = 0;
};

// Splits text into lines: a line ends at a carriage return followed by a line feed, or at a
// lone carriage return; a lone line feed is an ordinary character of the line. The last line
// needs no line end, and a line end at the very end of the text adds no empty line.
QStringList splitLines(const QString& text);
// The same lines as views into the text, which must outlive them; with LineEnds::AlsoLoneLf a lone
// line feed ends its line too.
QList<QStringView> lineViews(QStringView text, LineEnds ends = LineEnds::CrLfOrCr);
// Whether the text holds a line feed that no carriage return comes just before.
bool hasLoneLineFeed(QStringView text);
