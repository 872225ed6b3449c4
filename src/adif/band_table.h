#pragma once

#include "adif/adif_messages.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

class RecordText;

// The band label printed on a card, from a record's BAND field or, without one, its FREQ field.
struct BandRow {
    const char* label;
    std::array<const char*, 4> keys; // unused entries are null
};

// Searched from the top; the first row holding the key gives the label. One key list serves BAND
// values ("20M") and whole megahertz taken from FREQ ("14").
inline constexpr std::array<BandRow, 18> kBandTable = {{
    {"1.8 Mhz", {"160M", "1.8", nullptr, nullptr}},
    {"3.5 Mhz", {"80M", "3.5", "3.6", "3"}},
    {"5.0 Mhz", {"60M", "5", nullptr, nullptr}},
    {"7.0 Mhz", {"40M", "7", nullptr, nullptr}},
    {"10 Mhz", {"30M", "10", nullptr, nullptr}},
    {"14 Mhz", {"20M", "14", nullptr, nullptr}},
    {"18 Mhz", {"17M", "18", nullptr, nullptr}},
    {"21 Mhz", {"15M", "21", nullptr, nullptr}},
    {"24 Mhz", {"12M", "24", nullptr, nullptr}},
    {"28 Mhz", {"10M", "28", nullptr, nullptr}},
    {"50 Mhz", {"6M", "50", nullptr, nullptr}},
    {"144 Mhz", {"2M", "144", "145", nullptr}},
    {"432 Mhz", {"70CM", "432", nullptr, nullptr}},
    {"1.3Ghz", {"23CM", "1300", "1296", nullptr}},
    {"2.3 Ghz", {"13CM", "2300", nullptr, nullptr}},
    {"5.7 Ghz", {"6CM", "5660", nullptr, nullptr}},
    {"10 Ghz", {"3CM", "10000", nullptr, nullptr}},
    {"24 Ghz", {"1.25CM", "24000", nullptr, nullptr}},
}};

// The label of a key, compared as exact text; nothing when no row holds it.
std::optional<QString> bandLabelOf(QStringView key);

// The key taken from a FREQ value: its first 5 characters, then, when they hold a ".", the part
// before it ("145.500" gives "145", "10368.1" gives "10368", "1.840" gives "1").
QStringView frequencyKey(QStringView frequency);

// The band label of one upper-cased record. Tells the user BandMissing and gives "1.8 Mhz" when
// the record has neither BAND nor FREQ, or when its key is in no row (an empty one included).
// A record holding "<BAND" is labelled by it alone, even when its value is unknown.
QString Nom_Bande(QStringView record, const MessageSink& tell);
QString Nom_Bande(const RecordText& record, const MessageSink& tell);
