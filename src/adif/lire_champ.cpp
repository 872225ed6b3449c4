#include "adif/lire_champ.h"

#include "text/blanks.h"
#include <algorithm>

qsizetype findTag(QStringView record, QStringView tag, qsizetype from)
{
    if (tag.isEmpty() || tag.front() != QLatin1Char('<'))
        return record.indexOf(tag, from);
    const char16_t* text = record.utf16();
    const char16_t* wanted = tag.utf16();
    const qsizetype last = record.size() - tag.size();
    for (qsizetype at = record.indexOf(QLatin1Char('<'), from); at >= 0 && at <= last;
         at = record.indexOf(QLatin1Char('<'), at + 1)) {
        // Most tags differ at their first letter: look at it before comparing the rest.
        if (tag.size() == 1 ||
            (text[at + 1] == wanted[1] && std::equal(wanted + 2, wanted + tag.size(), text + at + 2)))
            return at;
    }
    return -1;
}

RecordText::RecordText(QStringView text) : text_(text)
{
    if (text.size() > kLongestIndexed)
        return;
    for (qsizetype at = text.indexOf(u'<'); at >= 0; at = text.indexOf(u'<', at + 1))
        opens_.append(at);
}

qsizetype RecordText::find(QStringView tag) const
{
    if (tag.isEmpty() || tag.front() != u'<' || text_.size() > kLongestIndexed)
        return text_.indexOf(tag);
    const char16_t* text = text_.utf16();
    const char16_t* wanted = tag.utf16();
    const qsizetype last = text_.size() - tag.size();
    for (const qsizetype at : opens_) {
        if (at > last)
            break;
        // Most tags differ at their first letter: look at it before comparing the rest.
        if (tag.size() == 1 ||
            (text[at + 1] == wanted[1] && std::equal(wanted + 2, wanted + tag.size(), text + at + 2)))
            return at;
    }
    return -1;
}

QStringView Lire_Champ(QStringView record, QStringView tag)
{
    return Lire_Champ(RecordText(record), tag);
}

QStringView Lire_Champ(const RecordText& record, QStringView tag)
{
    const QStringView text = record.text();
    const qsizetype tagAt = record.find(tag);
    if (tagAt < 0)
        return {};
    const qsizetype tagEnd = text.indexOf(QLatin1Char('>'), tagAt);
    if (tagEnd < 0)
        return {};
    const qsizetype valueEnd = text.indexOf(QLatin1Char('<'), tagEnd + 1);
    if (valueEnd < 0)
        return {};
    return trimBlanks(text.sliced(tagEnd + 1, valueEnd - tagEnd - 1));
}
