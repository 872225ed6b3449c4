#include "layout/move_qso_window.h"

#include "app/program.h"

MoveQsoWindow::MoveQsoWindow(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    setObjectName(QStringLiteral("Move_QSO"));
    setWindowTitle(QStringLiteral("Edition de la QSL"));
}
