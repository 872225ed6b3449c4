#pragma once

#include <QWidget>

class Program;

// The QSO picking window "Sélection des QSO" (Select_QSO).
class SelectQsoWindow : public QWidget {
    Q_OBJECT
public:
    explicit SelectQsoWindow(Program& program, QWidget* parent = nullptr);

private:
    Program& program_;
};
