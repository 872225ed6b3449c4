#pragma once

#include <QLineEdit>

// A text box of the range window (`Deb`, `Fin`): digits and Backspace are typed as usual,
// Enter asks for the box's check, and any other character is refused and reported.
// Keys that type nothing (arrows, Home, End, Delete, Tab) keep their usual meaning.
class NumberBox final : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void enterPressed();
    void keyRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
