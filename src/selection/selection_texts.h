#pragma once

#include "platform/dialogs.h"

#include <QString>

// Captions and messages of the picking window (Select_QSO) and the range window (Select_Log).

namespace SelectQsoText
{
inline const QString Title = QStringLiteral("Sélection des QSO");
inline const QString Heading = QStringLiteral("Sélection des QSO");
inline const QString ClickToPick = QStringLiteral("Cliquez sur un QSO pour le sélectionner ");
inline const QString SortByCall = QStringLiteral("Tri par call");
inline const QString PickedHint = QStringLiteral("QSO sélectionné(s) . Cliquez sur un QSO pour le désélctionner.");
inline const QString Select = QStringLiteral("Sélectionner");
inline const QString All = QStringLiteral("Tout ");
inline const QString LogOrA = QStringLiteral("le log ou une");
inline const QString Part = QStringLiteral("partie");
inline const QString OfTheLog = QStringLiteral("du log");
inline const QString SaveCards = QStringLiteral("Enregistrer les QSL");
inline const QString Quit = QStringLiteral("Quitter");
// Drawn inside the empty Liste_QSO after a reading that found no QSO.
inline const QString NoQsoFound =
    QStringLiteral("Aucun QSO n'a été trouvé dans ce fichier.\n\nL'en-tête d'un fichier ADIF doit se terminer par "
                   "<EOH>, et ses lignes par CR LF ou CR : les lignes terminées par LF seul ne sont pas lues.");
// The button offered when lines ended by LF alone made records run together: it reads the file
// again, taking LF alone as a line end too. Under that hint when no QSO was listed; under the lines
// of the list otherwise, and then told by the message below ("%1" the QSOs listed, "%2" those the
// LF reading gives).
inline const QString ReadWithLf = QStringLiteral("Lire ce journal avec ses fins de ligne LF");
inline const QString RecordsRanTogether =
    QStringLiteral("Des lignes de ce fichier se terminent par LF seul, qui n'est pas une fin de ligne ici : les QSO "
                   "de ces lignes se suivent sur une seule ligne, et seul le premier de chaque ligne est lu.");
inline const QString RecordsRanTogetherCounts =
    QStringLiteral("QSO listés : %1 ; en prenant aussi LF seul pour une fin de ligne : %2.");
inline const QString RecordsRanTogetherOffer =
    QStringLiteral("Le bouton \"Lire ce journal avec ses fins de ligne LF\", sous la liste, relit ce fichier ainsi "
                   "à la place de cette lecture.");

// Shown in the empty Liste_Imprime once "Enregistrer les QSL" has emptied it, with the button
// that puts the emptied lines back.
inline const QString PicksSaved =
    QStringLiteral("Les QSL des QSO sélectionnés ont été enregistrées, et ces QSO retirés de cette liste.");
inline const QString PicksNotSaved = QStringLiteral(
    "Aucune QSL n'a été enregistrée : l'aperçu des E- QSL était déjà ouvert, et les QSO sélectionnés ont été retirés "
    "de cette liste. Fermez l'aperçu avant de cliquer sur \"Enregistrer les QSL\".");
inline const QString RestorePicks = QStringLiteral("Reprendre les QSO retirés");
// The lists cannot take them all back: "%1" those taken back, "%2" those emptied.
inline const QString RestoreFull =
    QStringLiteral("La liste des QSO est pleine : %1 des %2 QSO retirés ont été repris, les autres non.");
} // namespace SelectQsoText

namespace SelectLogText
{
inline const QString Title = QStringLiteral("Selection du log");
inline const QString Heading = QStringLiteral("Sélection du log");
inline const QString SelectTheLog = QStringLiteral("Sélectionnez le log");
inline const QString From = QStringLiteral("Du numéro");
inline const QString To = QStringLiteral("au numéro");
inline const QString Confirm = QStringLiteral("Valider");

inline const QString OnlyNumbers = QStringLiteral("Que des nombres");
inline const QString StartMissing = QStringLiteral("Entrez le N° de début de sélection");
inline const QString StartTooLarge = QStringLiteral("    Attention le N° de début ne peut pas être ") + kMessageBreak +
                                     QStringLiteral("plus grand ou égale au N° de la dernière ligne");
inline const QString EndMissing = QStringLiteral("Entrez le N° de fin de sélection");
inline const QString EndBelowStart = QStringLiteral("Attention le N° de fin est inférieur au N° de début");
inline const QString EndTooLarge = QStringLiteral("Attention le N° de fin ne peut pas être") + kMessageBreak +
                                   QStringLiteral("   inférieur au N° de la dernière ligne");
// Only "Valider" can meet a start of 0 (typed as 0 or pasted as text): there is no line 0.
inline const QString StartZero = QStringLiteral("Attention le N° de début doit être au moins 1");
} // namespace SelectLogText

// What "Sélectionnez" says when no log was chosen, or when the chosen one cannot be read.
namespace ReadLogText
{
inline const QString Unreadable = QStringLiteral("Le fichier ne peut pas être lu :");
inline const QString FilterDescription = QStringLiteral(".adi ");
inline const QString FilterPattern = QStringLiteral("*.adi");
} // namespace ReadLogText
