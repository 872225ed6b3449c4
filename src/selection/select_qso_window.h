#pragma once

#include <QStringList>
#include <QWidget>

class Program;

// The QSO picking window "Sélection des QSO" (Select_QSO).
class SelectQsoWindow : public QWidget {
    Q_OBJECT
public:
    explicit SelectQsoWindow(Program& program, QWidget* parent = nullptr);

    // The lines of Liste_Imprime (picked form), in order: what the card export works through.
    QStringList pickedLines() const;

    // Appends numbered lines at the end of Liste_QSO, as the log reader does.
    void appendQsoLines(const QStringList& numberedLines);

private:
    Program& program_;
    QStringList unpicked_;
    QStringList picked_;
};
