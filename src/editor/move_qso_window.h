#pragma once

#include "layout/layout_schema.h"

#include "layout/layout_texts.h"

#include <QWidget>
#include <array>

class Program;
class QCheckBox;
class QGridLayout;
class QLineEdit;
struct GridRow;

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
    // The window's controls: the title, the hints, the grid of boxes and the buttons.
    void buildControls();
    // The grid, a row of kGridRows at a time: the captions over its boxes, its positions (H over
    // V), its colour, size or comment box, its check box, and sizes under its first columns.
    QGridLayout* buildGrid();
    static bool hasCaptions(const GridRow& row);
    void addCaptions(QGridLayout& grid, const GridRow& row, const QString& rowName, int gridRow);
    void addPositions(QGridLayout& grid, const GridRow& row, const QString& rowName, int hRow);
    void addValueBoxes(QGridLayout& grid, const GridRow& row, int hRow);
    void addSwitch(QGridLayout& grid, const GridRow& row, int hRow);
    void addSizesUnderColumns(QGridLayout& grid, const GridRow& row, const QString& rowName, int gridRow);
    // The text box of a layout value, kept as its box.
    QLineEdit* addValueBox(int index);
    void showTexts(const LayoutTexts& texts);

    Program& program_;
    // Each layout value's box: a text box, or a check box at a switch.
    std::array<QLineEdit*, kLayoutValueCount> boxes_{};
    std::array<QCheckBox*, kLayoutValueCount> switches_{};
    QLineEdit* comment_ = nullptr;
};
