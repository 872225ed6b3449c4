#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QsoListView;

// A note laid over one of the picking window's lists: a short text, a button, or both. It is a
// control of the window, laid over the list, and not a child of the list's viewport: assistive
// technology (AT-SPI, UI Automation) reaches a window's controls, but of a list only its lines.
//
// Over an empty list, the text stands in the middle and the button under it; the note goes with
// the first lines that come into the list. Under the lines, the button alone stands in a band
// that the list makes for it inside its frame, so that it covers no line; the note goes at any
// change of the list, since what it offers is about the lines as they were.
class ListNote final : public QWidget
{
    Q_OBJECT
public:
    // The note of `list`, in the list's window, known by `name`; its button by `buttonName`.
    ListNote(QsoListView& list, const char* name, const char* buttonName);

    // Over the empty list: the text, and a button under it when `caption` is not empty.
    void showOverEmptyList(const QString& text, const QString& caption = {});
    // Under the lines: a button of that caption.
    void showUnderLines(const QString& caption);
    void withdraw();

    bool shown() const { return mode_ != Mode::None; }
    // What the note says, and its button's caption (empty without one).
    QString text() const;
    QString caption() const;

signals:
    void chosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode { None, OverEmptyList, UnderLines };
    void follow(); // puts the note in its place over the list, and lays out its text and button
    void show(Mode mode, const QString& text, const QString& caption);

    QsoListView& list_;
    // The list's viewport, only compared with: while the list is being destroyed, its events still
    // come to the filter, when it is no longer a list to ask.
    const QObject* viewport_;
    QLabel* text_;
    QPushButton* button_;
    Mode mode_ = Mode::None;
};
