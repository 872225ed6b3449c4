#include "adif/band_table.h"

#include "adif/lire_champ.h"

namespace {

const QString kBandTag = QStringLiteral("<BAND");
const QString kFreqTag = QStringLiteral("<FREQ");
constexpr qsizetype kFrequencyKeyLength = 5;

QString fallback(const MessageSink& tell)
{
    if (tell)
        tell(AdifText::BandMissing);
    return AdifText::BandFallback;
}

} // namespace

std::optional<QString> bandLabelOf(QStringView key)
{
    for (const BandRow& row : kBandTable)
        for (const char* rowKey : row.keys)
            if (rowKey && key == QLatin1StringView(rowKey))
                return QString::fromLatin1(row.label);
    return std::nullopt;
}

QString frequencyKey(QStringView frequency)
{
    QStringView key = frequency.left(kFrequencyKeyLength);
    const qsizetype point = key.indexOf(QLatin1Char('.'));
    if (point >= 0)
        key = key.left(point);
    return key.toString();
}

QString Nom_Bande(QStringView record, const MessageSink& tell)
{
    QString key;
    if (record.contains(kBandTag))
        key = Lire_Champ(record, kBandTag);
    else if (record.contains(kFreqTag))
        key = frequencyKey(Lire_Champ(record, kFreqTag));
    else
        return fallback(tell);
    if (const std::optional<QString> label = bandLabelOf(key))
        return *label;
    return fallback(tell);
}
