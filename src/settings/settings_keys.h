#pragma once

#include <QString>
#include <array>

// Where the program keeps its settings.
inline constexpr auto kApplicationName = "E_QSL";
inline constexpr auto kSectionName = "Setup ";

// Keys other than the 66 layout keys.
namespace Key {
inline const QString Commentaire = QStringLiteral("Commentaire");
inline const QString QslDeFond = QStringLiteral("QSL de fond");
inline const QString Language = QStringLiteral("Language");
inline const QString Revision = QStringLiteral("Revision");
inline const QString CheminRepertoire = QStringLiteral("Chemin Repertoire");
inline const QString CadreQso = QStringLiteral("Cadre_QSO");
inline const QString LaQsl = QStringLiteral("La QSL");
} // namespace Key

// Values of "Language".
inline const QString kLanguageFrench = QStringLiteral("Fr");
inline const QString kLanguageEnglish = QStringLiteral("Gb");

// The sample background, found through the current folder (the output folder).
inline const QString kSampleBackground = QStringLiteral("QSL_TRELUNE.jpg");

// The three readers of the layout keys, each with defaults of its own.
enum class LayoutReader { StartUp, Editor, Export };

// One layout key with the default each reader applies when the key is absent.
struct LayoutKeyDefaults {
    const char* key;
    double startUp;
    double editor;
    double exportWindow;

    double fallback(LayoutReader reader) const
    {
        switch (reader) {
        case LayoutReader::StartUp: return startUp;
        case LayoutReader::Editor: return editor;
        case LayoutReader::Export: return exportWindow;
        }
        return startUp;
    }
};

inline constexpr int kLayoutKeyCount = 66;

// The 66 layout keys in the order in which the start-up and the export window read them:
// "Pose H1", "Pose V1" ... "Pose H22", "Pose V22", the sizes, the switches, the colours.
inline constexpr std::array<LayoutKeyDefaults, kLayoutKeyCount> kLayoutKeys = {{
    // key            start-up  editor  export
    {"Pose H1", 5, 5, 5},        {"Pose V1", 84, 84, 84},
    {"Pose H2", 29, 29, 29},     {"Pose V2", 84, 84, 84},
    {"Pose H3", 46, 46, 46},     {"Pose V3", 84, 84, 84},
    {"Pose H4", 56, 56, 56},     {"Pose V4", 84, 84, 84},
    {"Pose H5", 76, 76, 76},     {"Pose V5", 84, 84, 84},
    {"Pose H6", 88, 88, 88},     {"Pose V6", 84, 84, 84},
    {"Pose H7", 39, 40, 40},     {"Pose V7", 91, 91, 91},
    {"Pose H8", 12, 12, 12},     {"Pose V8", 77, 77, 77},
    {"Pose H9", 33, 33, 33},     {"Pose V9", 77, 77, 77},
    {"Pose H10", 46, 46, 46},    {"Pose V10", 77, 77, 77},
    {"Pose H11", 60, 60, 60},    {"Pose V11", 77, 77, 77},
    {"Pose H12", 75, 75, 75},    {"Pose V12", 77, 77, 77},
    {"Pose H13", 87, 87, 87},    {"Pose V13", 77, 77, 77},
    {"Pose H14", 6, 6, 8},       {"Pose V14", 91, 91, 92},
    {"Pose H15", 16, 16, 14},    {"Pose V15", 91, 91.5, 92},
    {"Pose H16", 49, 49, 49},    {"Pose V16", 70, 70, 70},
    {"Pose H17", 69, 69, 69},    {"Pose V17", 91, 91, 91},
    {"Pose H18", 10, 10, 10},    {"Pose V18", 10, 10, 10},
    {"Pose H19", 80, 80, 80},    {"Pose V19", 10, 10, 10},
    {"Pose H20", 10, 10, 10},    {"Pose V20", 20, 20, 10},
    {"Pose H21", 80, 80, 80},    {"Pose V21", 20, 20, 10},
    {"Pose H22", 10, 10, 10},    {"Pose V22", 10, 10, 10},
    {"T Entete", 13, 12, 12},
    {"T QSO", 13, 12, 12},
    {"T Call", 14, 13, 13},
    {"T Via", 13, 13, 13},
    {"T Comment", 13, 13, 13},
    {"T QSL", 13, 13, 13},
    {"T Li1", 1, 1, 1},
    {"T Li2", 1, 1, 1},
    {"Aff L1", 1, 1, 1},
    {"Aff L2", 1, 1, 1},
    {"Aff L3", 1, 1, 1},
    {"Aff L4", 0, 0, 0},
    {"Aff L5", 0, 0, 0},
    {"Aff L6", 0, 0, 0},
    {"Aff L7", 0, 0, 0},
    {"Coul L1", 0, 0, 0},
    {"Coul L2", 0, 0, 0},
    {"Coul L3", 0, 0, 0},
    {"Coul L4", 0, 0, 0},
    {"Coul Li1", 0, 0, 0},
    {"Coul Li2", 0, 0, 0},
    {"Coul L7", 0, 0, 0},
}};

// Index of a layout key in kLayoutKeys, or -1 when it is not a layout key.
int layoutKeyIndex(const QString& key);

// Keys by meaning.
QString positionKey(char axis, int item); // axis 'H' or 'V', item 1 to 22: "Pose H7"
inline const std::array<QString, 8> kSizeKeys = {
    QStringLiteral("T Entete"), QStringLiteral("T QSO"),     QStringLiteral("T Call"),
    QStringLiteral("T Via"),    QStringLiteral("T Comment"), QStringLiteral("T QSL"),
    QStringLiteral("T Li1"),    QStringLiteral("T Li2")};
inline const std::array<QString, 7> kSwitchKeys = {
    QStringLiteral("Aff L1"), QStringLiteral("Aff L2"), QStringLiteral("Aff L3"), QStringLiteral("Aff L4"),
    QStringLiteral("Aff L5"), QStringLiteral("Aff L6"), QStringLiteral("Aff L7")};
inline const std::array<QString, 7> kColourKeys = {
    QStringLiteral("Coul L1"), QStringLiteral("Coul L2"),  QStringLiteral("Coul L3"), QStringLiteral("Coul L4"),
    QStringLiteral("Coul Li1"), QStringLiteral("Coul Li2"), QStringLiteral("Coul L7")};

// The order in which a whole layout is written to the store (by the editor's validation and by
// the parameter file loader): "Pose V1" ... "Pose V22", "Pose H1" ... "Pose H22", the sizes,
// the switches, the colours. "Commentaire" follows it.
const std::array<QString, kLayoutKeyCount>& layoutWriteOrder();
