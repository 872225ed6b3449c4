#pragma once

#include "selection/qso_selection.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

class ListNote;
class Program;
class QLabel;
class QsoListView;
class SelectLogWindow;

// The QSO picking window "Sélection des QSO" (Select_QSO): the unpicked list Liste_QSO, the
// picked list Liste_Imprime and the counter Cont of picked lines.
class SelectQsoWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SelectQsoWindow(Program& program, QWidget* parent = nullptr);

    // The lines of Liste_Imprime (picked form), in order: what the card export works through.
    QStringList pickedLines() const;
    int unpickedCount() const;

    // Appends numbered lines at the end of Liste_QSO, as the log reader does; lines beyond
    // room() are left out. Lines appended take away the notes over Liste_QSO.
    void appendQsoLines(const QStringList& numberedLines);
    // The reading just made found no QSO: the empty Liste_QSO says so, until lines come into it.
    // Nothing is shown over lines.
    void showNoQsoFound();
    // The reading just made gave the last `lines` lines of Liste_QSO, and lines ended by LF alone
    // made some of its records run together: a button "Lire ce journal avec ses fins de ligne LF"
    // puts in their place what `readWithLf` reads (the same log, with LF alone as a line end too).
    // Over an empty list it stands under the no-QSO text; under lines, alone, until the list
    // changes.
    void offerLfReading(int lines, std::function<void()> readWithLf);

    // How many more lines the two lists can take together.
    int room() const;

    // Moves lines `first` to `last` of Liste_QSO (1-based) to Liste_Imprime and sets Cont: the
    // range window's "Valider".
    void pickRange(int first, int last);

    // The range window while it is open.
    SelectLogWindow* rangeWindow() const;

private:
    void buildControls();
    void pick(int row);     // a line of Liste_QSO chosen
    void putBack(int row);  // a line of Liste_Imprime chosen
    void pickAll();         // "Tout "
    void openRangeWindow(); // "partie"
    void sortByCall();      // "Tri par call"
    void Impression();      // "Enregistrer les QSL"
    void restorePicks();    // "Reprendre les QSO retirés", after the export emptied Liste_Imprime
    void showCount();

    Program& program_;
    QsoSelection selection_;
    QsoListView* listeQso_ = nullptr;
    QsoListView* listeImprime_ = nullptr;
    QLabel* cont_ = nullptr;
    ListNote* qsoNote_ = nullptr;
    ListNote* pickedNote_ = nullptr;
    QPointer<SelectLogWindow> rangeWindow_;
    std::function<void()> readWithLf_;
    QStringList emptiedPicks_; // the lines the last export took out of Liste_Imprime
};
