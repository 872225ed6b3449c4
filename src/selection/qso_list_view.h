#pragma once

#include <QListView>

class QPushButton;

// A list of QSO lines (Liste_QSO, Liste_Imprime) on which choosing a line, by a click or by
// reaching it with the arrow keys, hands it over at once: the view reports the row and the window
// moves the line to the other list.
class QsoListView final : public QListView
{
    Q_OBJECT
public:
    explicit QsoListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* lines) override;

    // A short text drawn inside the view while it holds no line (empty: nothing drawn). It is
    // no row of the list and no accessible item. With an action caption, a button of that caption
    // and object name stands under the text, after the view in the tab order, and emits
    // hintActionChosen when pressed. Both go when lines come into the list.
    void setEmptyHint(const QString& text, const char* actionName = nullptr, const QString& actionCaption = {});
    const QString& emptyHint() const { return emptyHint_; }

signals:
    void lineChosen(int row);
    void hintActionChosen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    // Moving the mouse with a button held does not choose more lines.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Nothing selected or current; the arrow keys go on from the chosen line's place (Down to
    // the line that followed it, Up to the line before it).
    void leaveGapAt(int row);
    bool hasLines() const;
    bool showsHint() const;
    // The hint's text and its button: the text in the middle of the view, the button under it.
    QRect hintTextPlace() const;
    void placeHintAction();

    int gapRow_ = -1;
    QString emptyHint_;
    QPushButton* hintAction_ = nullptr;
    bool actionOffered_ = false;
    bool settling_ = false;
};
