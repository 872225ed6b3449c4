#include "layout/editor_boxes.h"

#include "layout/layout_texts.h"

#include <array>

namespace {

// What each of the 22 positions places, as the editor's grid shows it.
constexpr std::array<const char*, 22> kItemDescriptions = {
    "Call, ligne QSO",         // 1
    "Date, ligne QSO",         // 2
    "Heure, ligne QSO",        // 3
    "Bande, ligne QSO",        // 4
    "Mode, ligne QSO",         // 5
    "RST, ligne QSO",          // 6
    "ligne Merci pour le QSO", // 7
    "Pour, ligne entête",      // 8
    "Date, ligne entête",      // 9
    "Heure, ligne entête",     // 10
    "Bande, ligne entête",     // 11
    "Mode, ligne entête",      // 12
    "RST, ligne entête",       // 13
    "QSL via, ligne entête",   // 14
    "Via, ligne QSO",          // 15
    "ligne commentaire",       // 16
    "ligne Pse QSL    73",     // 17
    "Debut de la ligne (N°1)", // 18
    "Fin de la ligne (N°1)",   // 19
    "Debut de la ligne (N°2)", // 20
    "Fin de la ligne (N°2)",   // 21
    "X pour case à cocher",    // 22
};

// PT1 ... PT8, in the order of kSizeKeys.
constexpr std::array<const char*, 8> kSizeDescriptions = {"taille de la ligne entête",
                                                          "taille de la ligne QSO",
                                                          "taille du Call",
                                                          "taille du Via",
                                                          "taille du commentaire",
                                                          "taille des lignes Merci et Pse QSL",
                                                          "épaisseur de la ligne (N°1)",
                                                          "épaisseur de la ligne (N°2)"};

// SL1 ... SL7 and C1 ... C7, by card line.
constexpr std::array<const char*, 7> kCardLineDescriptions = {
    "de la ligne entête", "de la ligne QSO",   "des lignes Merci et Pse QSL", "de la ligne commentaire",
    "de la ligne (N°1)",  "de la ligne (N°2)", "du X pour case à cocher"};

constexpr int kSizeFirst = kFirstSizeIndex;
constexpr int kSwitchFirst = kFirstSwitchIndex;
constexpr int kColourFirst = kFirstColourIndex;

} // namespace

QString editorBoxName(int keyIndex)
{
    Q_ASSERT(keyIndex >= 0 && keyIndex < kLayoutKeyCount);
    if (keyIndex < kSizeFirst)
        return QStringLiteral("P%1%2")
            .arg(keyIndex % 2 == 0 ? QLatin1Char('H') : QLatin1Char('V'))
            .arg(keyIndex / 2 + 1);
    if (keyIndex < kSwitchFirst)
        return QStringLiteral("PT%1").arg(keyIndex - kSizeFirst + 1);
    if (keyIndex < kColourFirst)
        return QStringLiteral("SL%1").arg(keyIndex - kSwitchFirst + 1);
    return QStringLiteral("C%1").arg(keyIndex - kColourFirst + 1);
}

QString editorBoxDescription(int keyIndex)
{
    Q_ASSERT(keyIndex >= 0 && keyIndex < kLayoutKeyCount);
    if (keyIndex < kSizeFirst)
        return QString::fromUtf8(kItemDescriptions[keyIndex / 2]) +
               (keyIndex % 2 == 0 ? QStringLiteral(", position H") : QStringLiteral(", position V"));
    if (keyIndex < kSwitchFirst)
        return QString::fromUtf8(kSizeDescriptions[keyIndex - kSizeFirst]);
    if (keyIndex < kColourFirst)
        return QStringLiteral("affichage ") + QString::fromUtf8(kCardLineDescriptions[keyIndex - kSwitchFirst]);
    return QStringLiteral("couleur ") + QString::fromUtf8(kCardLineDescriptions[keyIndex - kColourFirst]);
}
