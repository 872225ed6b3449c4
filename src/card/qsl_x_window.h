#pragma once

#include <QMainWindow>

class Program;

// The card export window "Aperçu des E- QSL" (QSL_X), owner of the card drawing surface.
class QslXWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit QslXWindow(Program& program, QWidget* parent = nullptr);

    // The creation sequence: layout reloaded, background loaded, window shown, batch run.
    void runCreationSequence();

private:
    Program& program_;
};
