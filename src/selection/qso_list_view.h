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

    // A short text drawn inside the view while it holds no line (empty: nothing drawn). It is
    // no row of the list and no accessible item.
    void setEmptyHint(const QString& text);
    const QString& emptyHint() const { return emptyHint_; }

signals:
    void lineChosen(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    // Moving the mouse with a button held does not choose more lines.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Nothing selected or current; the arrow keys go on from the chosen line's place (Down to
    // the line that followed it, Up to the line before it).
    void leaveGapAt(int row);

    int gapRow_ = -1;
    QString emptyHint_;
    bool settling_ = false;
};
