#pragma once

#include "app/main_window.h"
#include "app/program.h"
#include "card/qsl_x_window.h"
#include "help/aide_window.h"
#include "layout/move_qso_window.h"
#include "selection/select_qso_window.h"

#include <QPointer>
#include <functional>
#include <memory>

// The program as it runs: the main window, and every other window created on first use.
class RunningProgram final : public Program {
public:
    RunningProgram(SettingsStore& store, Dialogs& dialogs, QString programFolder);
    ~RunningProgram() override;

    // Creates the main window, which runs the start-up steps; the caller shows it.
    MainWindow& start();

    // What ending the program does once every window is closed (quitting the event loop).
    void onEnd(std::function<void()> end) { end_ = std::move(end); }

    bool cardLanguageFrench() const override;
    void enableSelection() override;
    SelectQsoWindow& selectQso() override;
    SelectQsoWindow* existingSelectQso() override { return selectQso_; }
    QslXWindow& exportWindow() override;
    QslXWindow* existingExportWindow() override { return exportWindow_; }
    MoveQsoWindow& editor() override;
    MoveQsoWindow* existingEditor() override { return editor_; }
    AideWindow& help() override;

    MainWindow* mainWindow() { return main_.get(); }

private:
    // Closing the main window ends the program: every other window goes with it.
    void end();

    std::unique_ptr<MainWindow> main_;
    QPointer<SelectQsoWindow> selectQso_;
    QPointer<QslXWindow> exportWindow_;
    QPointer<MoveQsoWindow> editor_;
    QPointer<AideWindow> help_;
    std::function<void()> end_;
};
