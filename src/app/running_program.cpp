#include "app/running_program.h"

#include "app/main_window.h"
#include "card/qsl_x_window.h"
#include "editor/move_qso_window.h"
#include "help/aide_window.h"
#include "selection/select_qso_window.h"

namespace
{

// Windows other than the main window are destroyed when closed, so the next use creates them.
template <typename Window> Window* adopt(Window* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

template <typename Window> void destroy(QPointer<Window>& window)
{
    delete window.data();
    window = nullptr;
}

} // namespace

RunningProgram::RunningProgram(SettingsStore& store, Dialogs& dialogs, QString programFolder)
    : Program(store, dialogs, std::move(programFolder))
{
}

RunningProgram::~RunningProgram()
{
    destroyWindows();
}

void RunningProgram::destroyWindows()
{
    destroy(selectQso_);
    destroy(exportWindow_);
    destroy(editor_);
    destroy(help_);
}

MainWindow& RunningProgram::start()
{
    main_ = std::make_unique<MainWindow>(*this);
    QObject::connect(main_.get(), &MainWindow::closed, main_.get(), [this] { end(); });
    return *main_;
}

void RunningProgram::end()
{
    destroyWindows();
    if (end_)
        end_();
}

bool RunningProgram::cardLanguageFrench() const
{
    return main_ && main_->frenchTicked();
}

void RunningProgram::enableSelection()
{
    if (main_)
        main_->enableSelection();
}

QStringList RunningProgram::pickedLines()
{
    return selectQso().pickedLines();
}

bool RunningProgram::hasPickedLines() const
{
    return selectQso_ && !selectQso_->pickedLines().isEmpty();
}

CardExport RunningProgram::exportPickedCards()
{
    CardExport result = exportWindow_ ? CardExport() : createExportWindow();
    exportWindow_->show();
    return result;
}

DrawingSurface& RunningProgram::exportSurface()
{
    return exportWindow().surface();
}

void RunningProgram::showEditor()
{
    MoveQsoWindow& window = editor();
    window.show();
    window.raise();
}

SelectQsoWindow& RunningProgram::selectQso()
{
    if (!selectQso_)
        selectQso_ = adopt(new SelectQsoWindow(*this));
    return *selectQso_;
}

QslXWindow& RunningProgram::exportWindow()
{
    // Created for its surface, its batch's outcome concerns no window: only "Enregistrer les QSL"
    // takes the picked list back.
    if (!exportWindow_)
        createExportWindow();
    return *exportWindow_;
}

CardExport RunningProgram::createExportWindow()
{
    // Known before the creation sequence runs, so that what it triggers finds this window.
    exportWindow_ = adopt(new QslXWindow(*this));
    return exportWindow_->runCreationSequence();
}

MoveQsoWindow& RunningProgram::editor()
{
    if (!editor_)
        editor_ = adopt(new MoveQsoWindow(*this));
    return *editor_;
}

AideWindow& RunningProgram::help()
{
    if (!help_)
        help_ = adopt(new AideWindow);
    return *help_;
}
