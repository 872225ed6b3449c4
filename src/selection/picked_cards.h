#pragma once

#include <QStringList>
#include <functional>

class Program;
class QsoSelection;

// What the picking window does around the export of its picked cards.
struct PickingWindowMoves {
    std::function<void()> hide;      // before the export window is asked for
    std::function<void()> show;      // when the picked QSOs stay for another try
    std::function<void()> showCount; // Cont, once the picked list is what it stays
};

// "Enregistrer les QSL": the export window makes the cards of the picked lines.
//
// Every picked line is stored in turn under "La QSL", so that the key ends holding the last one.
// Only the first turn can create the export window (which draws and saves every picked card while
// it is being created); the later turns find it open and only show it again. So the store sees the
// first line while the cards are made and the last line afterwards, without rewriting the settings
// file once for every line of a long list.
//
// The picked list is emptied, except when no card was drawn (the background could not be loaded:
// every picked QSO stays) or some cards could not be saved (their QSOs stay picked, in their
// order); then the picking window shows again for another try. It is emptied too when the export
// window was open already, which then only shows again and makes no card; the picking window stays
// hidden, as it does after cards were made, and offers the emptied lines back when it next shows.
struct EmptiedPicks {
    QStringList lines;      // the picked lines taken out of Liste_Imprime, in order; none when kept
    bool cardsMade = false; // the export window was created for them, and so saved their cards
};
EmptiedPicks savePickedCards(Program& program, QsoSelection& selection, const PickingWindowMoves& window);
