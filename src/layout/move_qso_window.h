#pragma once

#include <QWidget>

class Program;

// The layout editor "Edition de la QSL" (Move_QSO).
class MoveQsoWindow : public QWidget {
    Q_OBJECT
public:
    explicit MoveQsoWindow(Program& program, QWidget* parent = nullptr);

private:
    Program& program_;
};
