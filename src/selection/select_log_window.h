#pragma once

#include <QWidget>

class NumberBox;
class Program;
class QPushButton;
class SelectQsoWindow;

// The range window "Selection du log" (Select_Log): moves the lines numbered `Deb` to `Fin` of
// Liste_QSO to Liste_Imprime. A top-level window that belongs to the picking window and goes
// with it.
class SelectLogWindow : public QWidget
{
    Q_OBJECT
public:
    SelectLogWindow(Program& program, SelectQsoWindow& picking);

private:
    void buildControls();
    void checkStartBox(); // Enter in Deb
    void checkEndBox();   // Enter in Fin
    void Valider();

    Program& program_;
    SelectQsoWindow& picking_;
    NumberBox* deb_ = nullptr;
    NumberBox* fin_ = nullptr;
    QPushButton* valider_ = nullptr;
};
