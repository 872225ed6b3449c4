#pragma once

#include <QMainWindow>

class RunningProgram;
class QAction;
class QPushButton;

// The main window (Main): start-up, the two main buttons and the menus.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Builds the window and runs the start-up steps, first-use message included, before the
    // window is first shown.
    explicit MainWindow(RunningProgram& program, QWidget* parent = nullptr);

    bool frenchTicked() const;
    void enableSelection();

signals:
    // The window was closed: the program ends with every other window.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void startUp();
    void setLanguage(bool french);

    RunningProgram& program_;
    QPushButton* selection_ = nullptr;
    QPushButton* chargez_ = nullptr;
    QAction* francais_ = nullptr;
    QAction* anglais_ = nullptr;
};
