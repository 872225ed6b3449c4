#include "selection/select_qso_window.h"

#include "app/program.h"

SelectQsoWindow::SelectQsoWindow(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    setObjectName(QStringLiteral("Select_QSO"));
    setWindowTitle(QStringLiteral("Sélection des QSO"));
}

QStringList SelectQsoWindow::pickedLines() const
{
    return picked_;
}

void SelectQsoWindow::appendQsoLines(const QStringList& numberedLines)
{
    unpicked_ += numberedLines;
}
