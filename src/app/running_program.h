#pragma once

#include "app/main_window.h"
#include "card/qsl_x_window.h"
#include "editor/move_qso_window.h"
#include "help/aide_window.h"
#include "program/program.h"
#include "selection/aff_qso.h"
#include "selection/select_qso_window.h"

#include <QPointer>
#include <functional>
#include <memory>

// The program as it runs: the main window, and every other window created on first use (running
// its load step, not shown) and handed out afterwards.
class RunningProgram final : public Program, public PickingWindows
{
public:
    RunningProgram(SettingsStore& store, Dialogs& dialogs, QString programFolder);
    ~RunningProgram() override;

    // Creates the main window, which runs the start-up steps; the caller shows it.
    MainWindow& start();

    // What ending the program does once every window is closed (quitting the event loop).
    void onEnd(std::function<void()> end) { end_ = std::move(end); }

    bool cardLanguageFrench() const override;
    void enableSelection() override;
    QStringList pickedLines() override;
    bool hasPickedLines() const override;
    CardExport exportPickedCards() override;
    DrawingSurface& exportSurface() override;
    void showEditor() override;

    SelectQsoWindow& selectQso() override;
    SelectQsoWindow* existingSelectQso() override { return selectQso_; }
    // Creating the export window runs its whole creation sequence, the batch over the picked
    // lines included.
    QslXWindow& exportWindow();
    QslXWindow* existingExportWindow() { return exportWindow_; }
    MoveQsoWindow& editor();
    MoveQsoWindow* existingEditor() { return editor_; }
    AideWindow& help();

    MainWindow* mainWindow() { return main_.get(); }

private:
    // Closing the main window ends the program: every other window goes with it.
    void end();
    void destroyWindows();
    // Creates the export window, which runs its whole creation sequence, batch included.
    CardExport createExportWindow();

    std::unique_ptr<MainWindow> main_;
    QPointer<SelectQsoWindow> selectQso_;
    QPointer<QslXWindow> exportWindow_;
    QPointer<MoveQsoWindow> editor_;
    QPointer<AideWindow> help_;
    std::function<void()> end_;
};
