#pragma once

#include "selection/qso_list_model.h"

// The two lists of the picking window and what moves lines between them: Liste_QSO holds
// numbered lines, Liste_Imprime picked lines (without their number column). Lines are only
// moved, never copied, so the two lists together hold what the log readings brought in.
class QsoSelection
{
public:
    QsoListModel& unpicked() { return unpicked_; }
    QsoListModel& picked() { return picked_; }
    const QsoListModel& unpicked() const { return unpicked_; }
    const QsoListModel& picked() const { return picked_; }

    // Lines the two lists can still take together, so that neither passes the list limit.
    int room() const;

    // Moves the line at `row` of Liste_QSO to the end of Liste_Imprime; the other lines keep
    // their numbers.
    void pick(int row);

    // Moves the line at `row` of Liste_Imprime back to the end of Liste_QSO, which is then
    // numbered 1, 2, 3 ... in its order.
    void putBack(int row);

    // Moves every line of Liste_QSO, in order, to the end of Liste_Imprime. False when there
    // was none.
    bool pickAll();

    // Moves lines `first` to `last` of Liste_QSO (1-based, both included) to the end of
    // Liste_Imprime; the other lines keep their numbers. A range outside the list moves nothing.
    void pickRange(int first, int last);

    // Numbers Liste_QSO 1, 2, 3 ... in its present order (Renumeroter).
    void renumber();

    // Sorts both lists by callsign; Liste_QSO is numbered again from 1.
    void sortByCall();

    void clearPicked() { picked_.clear(); }

private:
    QsoListModel unpicked_;
    QsoListModel picked_;
};
