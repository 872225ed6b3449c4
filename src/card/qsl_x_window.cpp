#include "card/qsl_x_window.h"

#include "app/program.h"

QslXWindow::QslXWindow(Program& program, QWidget* parent) : QMainWindow(parent), program_(program)
{
    setObjectName(QStringLiteral("QSL_X"));
    setWindowTitle(QStringLiteral("Aperçu des E- QSL"));
}

void QslXWindow::runCreationSequence() {}
