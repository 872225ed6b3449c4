#include "adif/band_table.h"

#include "adif/lire_champ.h"

#include <QHash>

namespace
{

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
    // The table read once into a lookup by key; the first row holding a key keeps it.
    static const QHash<QString, QString> labels = [] {
        QHash<QString, QString> byKey;
        for (const BandRow& row : kBandTable)
            for (const char* rowKey : row.keys)
                if (rowKey && !byKey.contains(QLatin1StringView(rowKey)))
                    byKey.insert(QString::fromLatin1(rowKey), QString::fromLatin1(row.label));
        return byKey;
    }();
    // Looked up without copying the key: a log asks for one label per QSO.
    const auto found = labels.constFind(QString::fromRawData(key.data(), key.size()));
    if (found == labels.constEnd())
        return std::nullopt;
    return *found;
}

QStringView frequencyKey(QStringView frequency)
{
    QStringView key = frequency.left(kFrequencyKeyLength);
    const qsizetype point = key.indexOf(QLatin1Char('.'));
    if (point >= 0)
        key = key.left(point);
    return key;
}

QString Nom_Bande(QStringView record, const MessageSink& tell)
{
    return Nom_Bande(RecordText(record), tell);
}

QString Nom_Bande(const RecordText& record, const MessageSink& tell)
{
    QStringView key;
    if (record.find(kBandTag) >= 0)
        key = Lire_Champ(record, kBandTag);
    else if (record.find(kFreqTag) >= 0)
        key = frequencyKey(Lire_Champ(record, kFreqTag));
    else
        return fallback(tell);
    if (const std::optional<QString> label = bandLabelOf(key))
        return *label;
    return fallback(tell);
}
