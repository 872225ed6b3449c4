#pragma once

#include "layout/layout_schema.h"

#include "layout/layout_texts.h"

#include <QWidget>
#include <array>

class Program;
class QCheckBox;
class QGridLayout;
class QLineEdit;

// The layout editor "Edition de la QSL" (Move_QSO). Creating the window runs its load step: the
// boxes are filled from the store with the editor's own defaults. "Tester" draws a sample card on
// the export window, stores every value and unloads the editor; "Quitter" only hides it, keeping
// the boxes; "Enregistrer les paramètres" writes the parameter file; the close box unloads it.
class MoveQsoWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MoveQsoWindow(Program& program, QWidget* parent = nullptr);

    // The boxes' texts as they stand, switches as their check box states.
    LayoutTexts texts() const;

    void Tester_Click();
    void Quitter_Click();
    void Enregistrement_Click();

private:
    void buildControls();
    QGridLayout* buildGrid();
    void showTexts(const LayoutTexts& texts);

    Program& program_;
    // Each layout value's box: a text box, or a check box at a switch.
    std::array<QLineEdit*, kLayoutValueCount> boxes_{};
    std::array<QCheckBox*, kLayoutValueCount> switches_{};
    QLineEdit* comment_ = nullptr;
};
