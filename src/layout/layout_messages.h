#pragma once

#include <QString>

// The messages of the layout editor and of the parameter file. Those with a %n are filled in
// with QString::arg; a message of two pieces carries kMessageBreak between them.
namespace LayoutMessage
{

inline const QString CommentTooLong = QStringLiteral("30 caractères maximum");

// A box the sample cannot be drawn from: %1 its object name, %2 what it holds, %3 its text.
inline const QString NotANumber = QStringLiteral("Case %1 (%2) : « %3 » n'est pas un nombre.");
inline const QString ColourOutOfRange = QStringLiteral("Case %1 (%2) : « %3 » n'est pas un code de couleur de 0 à 15.");
inline const QString OutOfRange = QStringLiteral("Case %1 (%2) : « %3 » doit être un nombre de -32768 à 32767.");
inline const QString SizeTooSmall = QStringLiteral("Case %1 (%2) : la taille « %3 » doit être d'au moins 1.");
inline const QString LineWidthOutOfRange =
    QStringLiteral("Case %1 (%2) : l'épaisseur « %3 » doit être un nombre entier de 1 à 32767.");
inline const QString NothingStored = QStringLiteral("Rien n'a été dessiné ni enregistré.");

// %1 the picture's path, %2 the reason.
inline const QString BackgroundNotLoaded = QStringLiteral("L'image de fond « %1 » ne peut pas être chargée (%2).");
inline const QString SampleWithoutBackground =
    QStringLiteral("L'exemple est dessiné sans elle et la mise en page est enregistrée.");

// %1 the file's path, %2 the reason.
inline const QString ParameterFileNotCreated = QStringLiteral("Le fichier de paramètres ne peut pas être créé :");
inline const QString ParameterFileNotOpened = QStringLiteral("Le fichier de paramètres ne peut pas être ouvert :");
inline const QString FileAndReason = QStringLiteral("%1 (%2)");

// %1 the line, %2 its length in characters, %3 the longest a layout uses.
inline const QString ParameterFileLineTooLong =
    QStringLiteral("Ligne %1 du fichier de paramètres : %2 caractères, alors qu'une mise en page n'en utilise pas plus "
                   "de %3 ; ce fichier n'est pas un fichier de paramètres et rien n'a été chargé.");
// The same when that line holds line feeds alone: the file may well be a parameter file, read
// whole as one line (the note below says why).
inline const QString ParameterFileLfLineTooLong =
    QStringLiteral("Ligne %1 du fichier de paramètres : %2 caractères, alors qu'une mise en page n'en utilise pas plus "
                   "de %3 ; rien n'a été chargé.");
// After a problem met past complete records: %1 and %2 the first and last lines of the last of
// them, which stays loaded.
inline const QString ParameterFileLoadedBefore = QStringLiteral("Celle des lignes %1 à %2 a été chargée.");
// After a problem met where the lines read hold line feeds alone.
inline const QString ParameterFileLoneLf =
    QStringLiteral("Des lignes de ce fichier se terminent par LF seul, qui n'est pas une fin de ligne dans un fichier "
                   "de paramètres : chacune y est lue avec la suivante comme une seule ligne. « Enregistrer les "
                   "paramètres » termine ses lignes par CR LF.");
inline const QString ParameterFileEmpty = QStringLiteral("Le fichier de paramètres est vide : rien n'a été chargé.");
// %1 the last line, %2 the first line of the record that was not taken.
inline const QString ParameterFileIncomplete =
    QStringLiteral("Le fichier de paramètres s'arrête à la ligne %1, au milieu de la mise en page commencée à la "
                   "ligne %2 : celle-ci n'a pas été chargée.");
// %1 the line, %2 its key, %3 its four characters, %4 the first line of the record.
inline const QString ParameterFileBadField =
    QStringLiteral("Ligne %1 du fichier de paramètres (%2) : « %3 » n'est pas un nombre entier de -32768 à 32767 ; "
                   "la mise en page commencée à la ligne %4 n'a pas été chargée.");
// The same, for a value the cards cannot be drawn with.
inline const QString ParameterFileColourOutOfRange =
    QStringLiteral("Ligne %1 du fichier de paramètres (%2) : « %3 » n'est pas un code de couleur de 0 à 15 ; "
                   "la mise en page commencée à la ligne %4 n'a pas été chargée.");
inline const QString ParameterFileSizeTooSmall =
    QStringLiteral("Ligne %1 du fichier de paramètres (%2) : la taille « %3 » doit être d'au moins 1 ; "
                   "la mise en page commencée à la ligne %4 n'a pas été chargée.");
inline const QString ParameterFileLineWidthTooSmall =
    QStringLiteral("Ligne %1 du fichier de paramètres (%2) : l'épaisseur « %3 » doit être d'au moins 1 ; "
                   "la mise en page commencée à la ligne %4 n'a pas été chargée.");

} // namespace LayoutMessage
