#include "app/main_window.h"

#include "app/running_program.h"
#include "app/start_up.h"
#include "card/background_choice.h"
#include "editor/layout_commands.h"
#include "help/aide_window.h"
#include "platform/dialogs.h"
#include "platform/window_controls.h"
#include "platform/window_geometry.h"
#include "revision.h"
#include "selection/aff_qso.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

MainWindow::MainWindow(RunningProgram& program, QWidget* parent) : QMainWindow(parent), program_(program)
{
    setObjectName(QStringLiteral("Main"));
    buildControls();
    buildMenus();
    startUp();
}

void MainWindow::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(fromTwips(5415), fromTwips(3765));
    setCentralWidget(client);

    // The captions are bold, each in the frame above it.
    using enum ControlKind;
    constexpr unsigned kCaption = Bold | Centered;
    addControls(client, {
                            {Frame, "Frame1", {}, 120, 0, 5175, 975},
                            {Label, "Label3", QStringLiteral("Création d' E-QSL"), 120, 240, 4935, 255, kCaption,
                             kDialogPoints, 0, "Frame1"},
                            {Label, "Label4", QStringLiteral("à partir d'un fichier ADIF"), 120, 480, 4935, 255,
                             kCaption, kDialogPoints, 0, "Frame1"},
                            {Frame, "Frame2", {}, 120, 960, 5175, 1335},
                            {Label, "Label2", QStringLiteral("Sélection d'un fichier ADIF"), 840, 360, 3375, 255,
                             kCaption, kDialogPoints, 0, "Frame2"},
                            {.kind = Button,
                             .name = "Selection",
                             .caption = QStringLiteral("Sélectionnez"),
                             .left = 1800,
                             .top = 1680,
                             .width = 1575,
                             .height = 375,
                             .keep = &selection_},
                            {Frame, "Frame3", {}, 120, 2280, 5175, 1335},
                            {Label, "Label5", QStringLiteral("Ouvrir une QSL déja editée"), 840, 240, 3375, 255,
                             kCaption, kDialogPoints, 0, "Frame3"},
                            {Label, "Label1", QStringLiteral("TRELUNE"), 2820, 720, 1995, 375, Bold | RightAligned,
                             13.5, 0, "Frame3"},
                            {.kind = Button,
                             .name = "Chargez",
                             .caption = QStringLiteral("Chargez"),
                             .left = 1800,
                             .top = 3000,
                             .width = 1575,
                             .height = 375,
                             .keep = &chargez_},
                        });
    selection_->setEnabled(false);

    connect(selection_, &QPushButton::clicked, this, [this] { Aff_QSO(program_.dialogs(), program_); });
    connect(chargez_, &QPushButton::clicked, this, [this] { loadParameterFile(program_); });
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto addEntry = [this](QWidget* menu, const char* name, const QString& caption) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        menu->addAction(action);
        return action;
    };

    QAction* quitter = addEntry(bar, "Mnu_Quitter", QStringLiteral("Quitter"));
    connect(quitter, &QAction::triggered, this, &QWidget::close);

    QAction* fond = addEntry(bar, "MNU_New_QSL", QStringLiteral("Fond QSL"));
    connect(fond, &QAction::triggered, this, [this] { MNU_New_QSL(program_); });

    QAction* edition = addEntry(bar, "Mnu_Edition", QStringLiteral("Edition de la QSL"));
    connect(edition, &QAction::triggered, this, [this] {
        program_.setMsgQslEnregistrees(0);
        program_.showEditor();
    });

    QMenu* langue = bar->addMenu(QStringLiteral("Langue"));
    langue->setObjectName(QStringLiteral("Mnu_Langue"));
    langue->menuAction()->setObjectName(QStringLiteral("Mnu_Langue"));
    francais_ = addEntry(langue, "Mnu_L_Francais", QStringLiteral("Français"));
    anglais_ = addEntry(langue, "Mnu_L_Anglais", QStringLiteral("Anglais"));
    francais_->setCheckable(true);
    anglais_->setCheckable(true);
    francais_->setChecked(true);
    // The entries set both ticks themselves: choosing the ticked entry keeps it ticked.
    connect(francais_, &QAction::triggered, this, [this] {
        setLanguage(true);
        SettingsBatch batch(program_.store(), program_.dialogs());
        batch.write(Key::Language, kLanguageFrench);
    });
    connect(anglais_, &QAction::triggered, this, [this] {
        setLanguage(false);
        SettingsBatch batch(program_.store(), program_.dialogs());
        batch.write(Key::Language, kLanguageEnglish);
    });

    QAction* aide = addEntry(bar, "Mnu_Aide", QStringLiteral("Aide"));
    connect(aide, &QAction::triggered, this, [this] {
        AideWindow& help = program_.help();
        help.show();
        help.raise();
    });
}

void MainWindow::startUp()
{
    // Centred on the screen first; the window shows what the start-up found.
    adjustSize();
    setFixedSize(sizeHint());
    placeOnScreen(*this);
    const StartUpState state = runStartUp(program_);
    setLanguage(state.french);
    selection_->setEnabled(state.backgroundKnown);
    // The title, with two blanks before the revision's digits.
    setWindowTitle(QStringLiteral("ZELVANE_E-QSL Revision ") + kRevision);
}

void MainWindow::setLanguage(bool french)
{
    francais_->setChecked(french);
    anglais_->setChecked(!french);
}

bool MainWindow::frenchTicked() const
{
    return francais_->isChecked();
}

void MainWindow::enableSelection()
{
    selection_->setEnabled(true);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}
