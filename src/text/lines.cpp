#include "text/lines.h"

qsizetype LineCursor::lineEnd(qsizetype from) const
{
    if (ends_ == LineEnds::CrLfOrCr)
        return text_.indexOf(u'\r', from);
    for (qsizetype i = from; i < text_.size(); ++i)
        if (text_[i] == u'\r' || text_[i] == u'\n')
            return i;
    return -1;
}

bool LineCursor::next(QStringView& line)
{
    const qsizetype n = text_.size();
    if (start_ >= n)
        return false;
    const qsizetype end = lineEnd(start_);
    if (end < 0) {
        line = text_.sliced(start_);
        start_ = n;
        return true;
    }
    line = text_.sliced(start_, end - start_);
    start_ = text_[end] == u'\r' && end + 1 < n && text_[end + 1] == u'\n' ? end + 2 : end + 1;
    return true;
}

QList<QStringView> lineViews(QStringView text, LineEnds ends)
{
    QList<QStringView> lines;
    LineCursor cursor(text, ends);
    for (QStringView line; cursor.next(line);)
        lines.append(line);
    return lines;
}

bool hasLoneLineFeed(QStringView text)
{
    for (qsizetype i = text.indexOf(u'\n'); i >= 0; i = text.indexOf(u'\n', i + 1))
        if (i == 0 || text[i - 1] != u'\r')
            return true;
    return false;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    for (const QStringView line : lineViews(text))
        lines.append(line.toString());
    return lines;
}
