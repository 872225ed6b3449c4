#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <limits>
#include <string_view>

// The card layout's schema: one row per layout value, in the order in which the start-up and the
// export window read them. Every index, range, settings key, editor box and parameter file line of
// a layout value is taken from this table.

// What a value sets on the card.
enum class LayoutKind {
    Position, // an item's horizontal or vertical place, in percent of the card
    Size,     // a text size
    Width,    // a drawn line's width
    Switch,   // whether a card line is drawn: 1 on; 0 off (the editor also stores 2, greyed, as off)
    Colour,   // a card line's colour code, into the 16-colour palette
};

// The values a layout value can be drawn with, both ends included.
struct LayoutRange {
    qint16 min;
    qint16 max;

    constexpr bool contains(double value) const { return value >= min && value <= max; }
};
inline constexpr LayoutRange kAnyValue{std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()};
inline constexpr LayoutRange kAtLeastOne{1, std::numeric_limits<qint16>::max()};
inline constexpr LayoutRange kColourCodes{0, 15};

// Where a value stands on its line of the parameter file: its first four characters, or the last
// four (the second print zone of a position line).
enum class FileField { Left, Right };

// The three readers of the layout keys, each with defaults of its own.
enum class LayoutReader { StartUp, Editor, Export };

struct LayoutValue {
    const char* key; // the settings key
    LayoutKind kind;
    LayoutRange range;
    char axis;       // 'H' or 'V' for a position, 0 otherwise
    int number;      // a position's item (1 to 22); otherwise the value's place among its kind
    const char* box; // the object name of the editor's box
    int fileLine;    // the line in a parameter file record (1 is the background)
    FileField fileField;
    double startUp; // the default of each reader, when the key is absent
    double editor;
    double exportWindow;
    const char* description; // a few French words that tell the user which box it is

    constexpr double fallback(LayoutReader reader) const
    {
        switch (reader) {
        case LayoutReader::StartUp: return startUp;
        case LayoutReader::Editor: return editor;
        case LayoutReader::Export: return exportWindow;
        }
        return startUp;
    }
};

inline constexpr int kLayoutValueCount = 66;

// clang-format off
inline constexpr std::array<LayoutValue, kLayoutValueCount> kLayoutValues = [] {
    using enum LayoutKind;
    using enum FileField;
    return std::array<LayoutValue, kLayoutValueCount>{{
        // key, kind, range, axis, number, editor box, parameter file line and field,
        // defaults at start-up, in the editor and in the export window, description
        {"Pose H1",   Position, kAnyValue,    'H', 1,  "PH1",  2,  Left,  5,  5,    5,  "Call, ligne QSO, position H"},
        {"Pose V1",   Position, kAnyValue,    'V', 1,  "PV1",  2,  Right, 84, 84,   84, "Call, ligne QSO, position V"},
        {"Pose H2",   Position, kAnyValue,    'H', 2,  "PH2",  3,  Left,  29, 29,   29, "Date, ligne QSO, position H"},
        {"Pose V2",   Position, kAnyValue,    'V', 2,  "PV2",  3,  Right, 84, 84,   84, "Date, ligne QSO, position V"},
        {"Pose H3",   Position, kAnyValue,    'H', 3,  "PH3",  4,  Left,  46, 46,   46, "Heure, ligne QSO, position H"},
        {"Pose V3",   Position, kAnyValue,    'V', 3,  "PV3",  4,  Right, 84, 84,   84, "Heure, ligne QSO, position V"},
        {"Pose H4",   Position, kAnyValue,    'H', 4,  "PH4",  5,  Left,  56, 56,   56, "Bande, ligne QSO, position H"},
        {"Pose V4",   Position, kAnyValue,    'V', 4,  "PV4",  5,  Right, 84, 84,   84, "Bande, ligne QSO, position V"},
        {"Pose H5",   Position, kAnyValue,    'H', 5,  "PH5",  6,  Left,  76, 76,   76, "Mode, ligne QSO, position H"},
        {"Pose V5",   Position, kAnyValue,    'V', 5,  "PV5",  6,  Right, 84, 84,   84, "Mode, ligne QSO, position V"},
        {"Pose H6",   Position, kAnyValue,    'H', 6,  "PH6",  7,  Left,  88, 88,   88, "RST, ligne QSO, position H"},
        {"Pose V6",   Position, kAnyValue,    'V', 6,  "PV6",  7,  Right, 84, 84,   84, "RST, ligne QSO, position V"},
        {"Pose H7",   Position, kAnyValue,    'H', 7,  "PH7",  8,  Left,  39, 40,   40, "ligne Merci pour le QSO, position H"},
        {"Pose V7",   Position, kAnyValue,    'V', 7,  "PV7",  8,  Right, 91, 91,   91, "ligne Merci pour le QSO, position V"},
        {"Pose H8",   Position, kAnyValue,    'H', 8,  "PH8",  9,  Left,  12, 12,   12, "Pour, ligne entête, position H"},
        {"Pose V8",   Position, kAnyValue,    'V', 8,  "PV8",  9,  Right, 77, 77,   77, "Pour, ligne entête, position V"},
        {"Pose H9",   Position, kAnyValue,    'H', 9,  "PH9",  10, Left,  33, 33,   33, "Date, ligne entête, position H"},
        {"Pose V9",   Position, kAnyValue,    'V', 9,  "PV9",  10, Right, 77, 77,   77, "Date, ligne entête, position V"},
        {"Pose H10",  Position, kAnyValue,    'H', 10, "PH10", 11, Left,  46, 46,   46, "Heure, ligne entête, position H"},
        {"Pose V10",  Position, kAnyValue,    'V', 10, "PV10", 11, Right, 77, 77,   77, "Heure, ligne entête, position V"},
        {"Pose H11",  Position, kAnyValue,    'H', 11, "PH11", 12, Left,  60, 60,   60, "Bande, ligne entête, position H"},
        {"Pose V11",  Position, kAnyValue,    'V', 11, "PV11", 12, Right, 77, 77,   77, "Bande, ligne entête, position V"},
        {"Pose H12",  Position, kAnyValue,    'H', 12, "PH12", 13, Left,  75, 75,   75, "Mode, ligne entête, position H"},
        {"Pose V12",  Position, kAnyValue,    'V', 12, "PV12", 13, Right, 77, 77,   77, "Mode, ligne entête, position V"},
        {"Pose H13",  Position, kAnyValue,    'H', 13, "PH13", 14, Left,  87, 87,   87, "RST, ligne entête, position H"},
        {"Pose V13",  Position, kAnyValue,    'V', 13, "PV13", 14, Right, 77, 77,   77, "RST, ligne entête, position V"},
        {"Pose H14",  Position, kAnyValue,    'H', 14, "PH14", 15, Left,  6,  6,    8,  "QSL via, ligne entête, position H"},
        {"Pose V14",  Position, kAnyValue,    'V', 14, "PV14", 15, Right, 91, 91,   92, "QSL via, ligne entête, position V"},
        {"Pose H15",  Position, kAnyValue,    'H', 15, "PH15", 16, Left,  16, 16,   14, "Via, ligne QSO, position H"},
        {"Pose V15",  Position, kAnyValue,    'V', 15, "PV15", 16, Right, 91, 91.5, 92, "Via, ligne QSO, position V"},
        {"Pose H16",  Position, kAnyValue,    'H', 16, "PH16", 17, Left,  49, 49,   49, "ligne commentaire, position H"},
        {"Pose V16",  Position, kAnyValue,    'V', 16, "PV16", 17, Right, 70, 70,   70, "ligne commentaire, position V"},
        {"Pose H17",  Position, kAnyValue,    'H', 17, "PH17", 18, Left,  69, 69,   69, "ligne Pse QSL    73, position H"},
        {"Pose V17",  Position, kAnyValue,    'V', 17, "PV17", 18, Right, 91, 91,   91, "ligne Pse QSL    73, position V"},
        {"Pose H18",  Position, kAnyValue,    'H', 18, "PH18", 19, Left,  10, 10,   10, "Debut de la ligne (N°1), position H"},
        {"Pose V18",  Position, kAnyValue,    'V', 18, "PV18", 19, Right, 10, 10,   10, "Debut de la ligne (N°1), position V"},
        {"Pose H19",  Position, kAnyValue,    'H', 19, "PH19", 20, Left,  80, 80,   80, "Fin de la ligne (N°1), position H"},
        {"Pose V19",  Position, kAnyValue,    'V', 19, "PV19", 20, Right, 10, 10,   10, "Fin de la ligne (N°1), position V"},
        {"Pose H20",  Position, kAnyValue,    'H', 20, "PH20", 21, Left,  10, 10,   10, "Debut de la ligne (N°2), position H"},
        {"Pose V20",  Position, kAnyValue,    'V', 20, "PV20", 21, Right, 20, 20,   10, "Debut de la ligne (N°2), position V"},
        {"Pose H21",  Position, kAnyValue,    'H', 21, "PH21", 22, Left,  80, 80,   80, "Fin de la ligne (N°2), position H"},
        {"Pose V21",  Position, kAnyValue,    'V', 21, "PV21", 22, Right, 20, 20,   10, "Fin de la ligne (N°2), position V"},
        {"Pose H22",  Position, kAnyValue,    'H', 22, "PH22", 23, Left,  10, 10,   10, "X pour case à cocher, position H"},
        {"Pose V22",  Position, kAnyValue,    'V', 22, "PV22", 23, Right, 10, 10,   10, "X pour case à cocher, position V"},
        {"T Entete",  Size,     kAtLeastOne,  0,   1,  "PT1",  24, Left,  13, 12,   12, "taille de la ligne entête"},
        {"T QSO",     Size,     kAtLeastOne,  0,   2,  "PT2",  25, Left,  13, 12,   12, "taille de la ligne QSO"},
        {"T Call",    Size,     kAtLeastOne,  0,   3,  "PT3",  26, Left,  14, 13,   13, "taille du Call"},
        {"T Via",     Size,     kAtLeastOne,  0,   4,  "PT4",  27, Left,  13, 13,   13, "taille du Via"},
        {"T Comment", Size,     kAtLeastOne,  0,   5,  "PT5",  28, Left,  13, 13,   13, "taille du commentaire"},
        {"T QSL",     Size,     kAtLeastOne,  0,   6,  "PT6",  29, Left,  13, 13,   13, "taille des lignes Merci et Pse QSL"},
        {"T Li1",     Width,    kAtLeastOne,  0,   1,  "PT7",  30, Left,  1,  1,    1,  "épaisseur de la ligne (N°1)"},
        {"T Li2",     Width,    kAtLeastOne,  0,   2,  "PT8",  31, Left,  1,  1,    1,  "épaisseur de la ligne (N°2)"},
        {"Aff L1",    Switch,   kAnyValue,    0,   1,  "SL1",  32, Left,  1,  1,    1,  "affichage de la ligne entête"},
        {"Aff L2",    Switch,   kAnyValue,    0,   2,  "SL2",  33, Left,  1,  1,    1,  "affichage de la ligne QSO"},
        {"Aff L3",    Switch,   kAnyValue,    0,   3,  "SL3",  34, Left,  1,  1,    1,  "affichage des lignes Merci et Pse QSL"},
        {"Aff L4",    Switch,   kAnyValue,    0,   4,  "SL4",  35, Left,  0,  0,    0,  "affichage de la ligne commentaire"},
        {"Aff L5",    Switch,   kAnyValue,    0,   5,  "SL5",  36, Left,  0,  0,    0,  "affichage de la ligne (N°1)"},
        {"Aff L6",    Switch,   kAnyValue,    0,   6,  "SL6",  37, Left,  0,  0,    0,  "affichage de la ligne (N°2)"},
        {"Aff L7",    Switch,   kAnyValue,    0,   7,  "SL7",  38, Left,  0,  0,    0,  "affichage du X pour case à cocher"},
        {"Coul L1",   Colour,   kColourCodes, 0,   1,  "C1",   39, Left,  0,  0,    0,  "couleur de la ligne entête"},
        {"Coul L2",   Colour,   kColourCodes, 0,   2,  "C2",   40, Left,  0,  0,    0,  "couleur de la ligne QSO"},
        {"Coul L3",   Colour,   kColourCodes, 0,   3,  "C3",   41, Left,  0,  0,    0,  "couleur des lignes Merci et Pse QSL"},
        {"Coul L4",   Colour,   kColourCodes, 0,   4,  "C4",   42, Left,  0,  0,    0,  "couleur de la ligne commentaire"},
        {"Coul Li1",  Colour,   kColourCodes, 0,   5,  "C5",   43, Left,  0,  0,    0,  "couleur de la ligne (N°1)"},
        {"Coul Li2",  Colour,   kColourCodes, 0,   6,  "C6",   44, Left,  0,  0,    0,  "couleur de la ligne (N°2)"},
        {"Coul L7",   Colour,   kColourCodes, 0,   7,  "C7",   45, Left,  0,  0,    0,  "couleur du X pour case à cocher"},
    }};
}();
// clang-format on

// The place in kLayoutValues of the first value of a kind, and how many values it has; the values
// of a kind follow each other.
constexpr int firstLayoutIndex(LayoutKind kind)
{
    for (int i = 0; i < kLayoutValueCount; ++i)
        if (kLayoutValues[i].kind == kind)
            return i;
    return -1;
}
constexpr int layoutCount(LayoutKind kind)
{
    int count = 0;
    for (const LayoutValue& value : kLayoutValues)
        count += value.kind == kind ? 1 : 0;
    return count;
}

// The place of a value by its kind and number: layoutIndex(LayoutKind::Colour, 3) is "Coul L3";
// a position also needs its axis.
constexpr int layoutIndex(LayoutKind kind, int number, char axis = 0)
{
    for (int i = 0; i < kLayoutValueCount; ++i)
        if (kLayoutValues[i].kind == kind && kLayoutValues[i].number == number && kLayoutValues[i].axis == axis)
            return i;
    return -1;
}

// The place of a value by its editor box ("PT7"), or -1.
constexpr int layoutIndexOfBox(std::string_view box)
{
    for (int i = 0; i < kLayoutValueCount; ++i)
        if (box == kLayoutValues[i].box)
            return i;
    return -1;
}

inline constexpr int kPositionItemCount = layoutCount(LayoutKind::Position) / 2;
inline constexpr int kTextSizeCount = layoutCount(LayoutKind::Size);
inline constexpr int kLineWidthCount = layoutCount(LayoutKind::Width);
inline constexpr int kSwitchCount = layoutCount(LayoutKind::Switch);
inline constexpr int kColourCount = layoutCount(LayoutKind::Colour);

inline constexpr LayoutKind layoutKind(int index)
{
    return kLayoutValues[index].kind;
}

// Index of a layout key in kLayoutValues, or -1 when it is not a layout key.
int layoutKeyIndex(const QString& key);

// The order in which a whole layout is written to the store (by the editor's validation and by
// the parameter file loader): the vertical positions, the horizontal positions, then the other
// values in the order of the table. "Commentaire" follows it.
const std::array<QString, kLayoutValueCount>& layoutWriteOrder();
