#pragma once

#include <QListView>

// A list of QSO lines (Liste_QSO, Liste_Imprime) on which choosing a line, by a click or by
// reaching it with the arrow keys, hands it over at once: the view reports the row and the window
// moves the line to the other list.
class QsoListView final : public QListView
{
    Q_OBJECT
public:
    explicit QsoListView(QWidget* parent = nullptr);

    // A band of that height under the lines, inside the list's frame, for a note laid over the
    // list (ListNote); 0 gives the lines their whole room again.
    void setBottomBand(int height);

signals:
    void lineChosen(int row);

protected:
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    // Moving the mouse with a button held does not choose more lines.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Nothing selected or current; the arrow keys go on from the chosen line's place (Down to
    // the line that followed it, Up to the line before it).
    void leaveGapAt(int row);

    int gapRow_ = -1;
    bool settling_ = false;
};
