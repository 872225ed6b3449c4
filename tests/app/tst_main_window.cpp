#include "app/start_up.h"
#include "platform/window_geometry.h"
#include "selection/select_log_window.h"
#include "settings/settings_keys.h"
#include "support/case_files.h"
#include "support/script_runner.h"
#include "support/test_environment.h"
#include "support/window_checks.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

// The main window's start-up, menus and buttons, driven by the cases of tests/data/app, and
// every window of the program on the screen.
class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void run_data() { addScriptRows(dataPath(QStringLiteral("app/"))); }

    void run()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, commands);
        runScript(folder, commands);
    }

    // A program folder under a plain file: its output folder cannot be created; start-up goes on.
    void outputFolderThatCannotBeCreated()
    {
        TestEnvironment env;
        env.setStored(Key::QslDeFond, QStringLiteral("fond.jpg"));
        const QString folder = env.writeScratchFile(QStringLiteral("plain"), "x") + QStringLiteral("/ZELVANE_E_QSL");
        RunningProgram program(env.store, env.dialogs, folder);
        QVERIFY(runStartUp(program).backgroundKnown);
        QCOMPARE(env.dialogs.messages(), QStringList{QStringLiteral("Le dossier des QSL ne peut pas être créé :\r\n") +
                                                     QDir::toNativeSeparators(folder + QStringLiteral("/E_QSL"))});
    }

    // Start-up removes what an interrupted run left half written in the output and program folders,
    // and nothing else.
    void leftoversOfAnInterruptedRun()
    {
        TestEnvironment env;
        QStringList left;
        for (const QString& file :
             {QStringLiteral("E_QSL/.~eqsl-a1B2c3.tmp"), QStringLiteral(".~eqsl-d4E5f6.tmp"),
              QStringLiteral("E_QSL/.~eqsl-new123.tmp"), QStringLiteral("E_QSL/QSL_F4XYZ_14 Mhz_SSB.bmp")}) {
            QDir().mkpath(env.outputFolder());
            QFile written(env.programFolder() + u'/' + file);
            QVERIFY(written.open(QIODevice::WriteOnly) && written.write("BM") == 2 && written.flush());
            if (!file.contains(QStringLiteral("new")) && !file.endsWith(QStringLiteral(".bmp")))
                QVERIFY(written.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                            QFileDevice::FileModificationTime));
        }
        env.start();
        for (const QString& folder : {env.programFolder(), env.outputFolder()})
            left += QDir(folder).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left, QStringList({".~eqsl-new123.tmp", "QSL_F4XYZ_14 Mhz_SSB.bmp"}));
    }

    // A window on a 1024 x 768 screen beside a desktop panel (frame of 4, 32, 4, 4 pixels, scroll
    // bars of 15): the panel is left free; a window that fits is still centred on the whole screen.
    void placementBesideAPanel_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("scrolls");
        QTest::addColumn<QRect>("placed"); // the frame's top-left, the window's size
        const QRect top(0, 28, 1024, 740);
        addRow("editor under a top panel", QSize(820, 760), top, true, QRect(90, 28, 835, 704));
        addRow("editor beside a left panel", QSize(820, 760), QRect(48, 0, 976, 768), true, QRect(114, 0, 835, 732));
        addRow("too wide and too high", QSize(1100, 800), top, true, QRect(0, 28, 1016, 704));
        addRow("main window", QSize(361, 270), top, false, QRect(331, 249, 361, 270));
    }

    void placementBesideAPanel()
    {
        QFETCH(QSize, window);
        QFETCH(QRect, available);
        QFETCH(bool, scrolls);
        QFETCH(QRect, placed);
        const WindowPlacement place =
            placeWindow(window, window, QMargins(4, 32, 4, 4), {0, 0, 1024, 768}, available, 15);
        QCOMPARE(place.scrolls, scrolls);
        QCOMPARE(place.geometry, placed);
    }

    // Every window has sound controls and opens inside the screen: centred where it fits; where
    // it does not (the picking window on 800 x 600, the editor up to 1024 x 768), its content
    // scrolls to every button, with room for the desktop's frame.
    void everyWindowFitsItsScreen()
    {
        TestEnvironment env;
        RunningProgram& program = env.program();
        env.start().show();
        program.selectQso().show();
        QTest::mouseClick(program.selectQso().findChild<QPushButton*>(QStringLiteral("Select_Part")), Qt::LeftButton);
        for (QWidget* window : {static_cast<QWidget*>(&program.editor()),
                                static_cast<QWidget*>(&program.exportWindow()), static_cast<QWidget*>(&program.help())})
            window->show();
        QStringList windows;
        QSet<QString> titles;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            const QString name = window->objectName();
            windows << name;
            titles << window->windowTitle();
            QVERIFY2(!window->windowTitle().isEmpty() && !garbled(window->windowTitle()), qPrintable(name));
            const QWidget* content = window->findChild<QWidget*>(QStringLiteral("content"));
            content = content ? content : window->findChild<QWidget*>(QStringLiteral("client"));
            QCOMPARE(name + controlFault(content ? *content : *window), name);
            const QRect screen = window->screen()->geometry();
            auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("Defilement"));
            const bool tooLarge = screen.width() <= (name == u"Select_QSO" ? 800 : name == u"Move_QSO" ? 1024 : 0);
            QCOMPARE(name + QString::number(scroll != nullptr), name + QString::number(tooLarge));
            if (!scroll) { // placed before the desktop adds its frame: measured by the window alone
                QCOMPARE(window->pos(),
                         QPoint((screen.width() - window->width()) / 2, (screen.height() - window->height()) / 2));
                continue;
            }
            QVERIFY(window->screen()->availableGeometry().contains(
                QRect(window->pos(), window->size().grownBy(kUsualWindowFrame))));
            QVERIFY(QTest::qWaitForWindowExposed(window));
            for (QPushButton* button : scroll->widget()->findChildren<QPushButton*>()) {
                scroll->ensureWidgetVisible(button);
                const QRect place(button->mapTo(scroll->viewport(), QPoint()), button->size());
                QVERIFY2(scroll->viewport()->rect().contains(place), qPrintable(button->objectName()));
            }
        }
        windows.sort();
        QCOMPARE(windows, (QStringList{"Aide", "Main", "Move_QSO", "QSL_X", "Select_Log", "Select_QSO"}));
        QCOMPARE(titles.size(), windows.size()); // a title of its own for each window
    }

    // The help page has a section for each command of the main window, in the window's order: the
    // entries of the menu bar (but "Langue", a menu of choices), then the buttons.
    void helpHasASectionPerCommand()
    {
        TestEnvironment env;
        const MainWindow& main = env.start();
        QStringList commands, headings;
        for (const QAction* entry : main.menuBar()->actions())
            if (!entry->menu())
                commands << entry->text();
        for (const QPushButton* button : main.findChildren<QPushButton*>())
            commands << button->text();
        for (const QLabel* line :
             env.program().help().findChild<QFrame*>(QStringLiteral("Frame2"))->findChildren<QLabel*>())
            if (line->font().bold())
                headings << line->text();
        QCOMPARE(headings, commands);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
