#include "adif/lire_champ.h"

namespace {

// Only space characters are removed around a value, as the log programs pad with them.
QStringView trimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.sliced(first, last - first);
}

} // namespace

QString Lire_Champ(QStringView record, QStringView tag)
{
    const qsizetype tagAt = record.indexOf(tag);
    if (tagAt < 0)
        return {};
    const qsizetype tagEnd = record.indexOf(QLatin1Char('>'), tagAt);
    if (tagEnd < 0)
        return {};
    const qsizetype valueEnd = record.indexOf(QLatin1Char('<'), tagEnd + 1);
    if (valueEnd < 0)
        return {};
    return trimBlanks(record.sliced(tagEnd + 1, valueEnd - tagEnd - 1)).toString();
}
