#pragma once

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
// order); then the picking window shows again for another try.
void savePickedCards(Program& program, QsoSelection& selection, const PickingWindowMoves& window);
