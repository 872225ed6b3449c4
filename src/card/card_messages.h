#pragma once

#include <QString>

// What the export tells the user about the picked QSOs it keeps.
namespace CardMessage
{
// After cards that could not be saved, or not made durable: their QSOs stay picked.
inline const QString QsosOfUnsavedCardsKept =
    QStringLiteral("Les QSO de ces QSL sont gardés : corrigez la cause, fermez cet aperçu, puis cliquez à nouveau sur "
                   "\"Enregistrer les QSL\".");
// After a batch that drew no card for want of a background: every picked QSO stays.
inline const QString PickedQsosKept = QStringLiteral(
    "Les QSO sélectionnés sont gardés : fermez cet aperçu, puis cliquez à nouveau sur \"Enregistrer les QSL\".");
} // namespace CardMessage
