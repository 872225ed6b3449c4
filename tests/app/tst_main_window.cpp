#include "app/main_window.h"
#include "app/start_up.h"
#include "editor/move_qso_window.h"
#include "help/aide_window.h"
#include "platform/program_folder.h"
#include "platform/window_geometry.h"
#include "selection/select_log_window.h"
#include "settings/settings_keys.h"
#include "support/data_rows.h"
#include "support/test_environment.h"
#include "support/window_checks.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace
{

const QString kFirstUse = QStringLiteral("            Premiere Utilisation, voir les informations sur 'Aide'\r\n");

QAction* action(MainWindow& main, const char* name)
{
    return main.findChild<QAction*>(QString::fromLatin1(name));
}

QPushButton* button(MainWindow& main, const char* name)
{
    return main.findChild<QPushButton*>(QString::fromLatin1(name));
}

QString stored(const TestEnvironment& env, const QString& key)
{
    return env.store.value(key).value_or(QString());
}

// Writes a file, making its folder first.
bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void firstRunCreatesTheOutputFolderAndTellsWhereToLook()
    {
        TestEnvironment env;
        QVERIFY(!QDir(env.outputFolder()).exists());
        // The message comes before any window shows.
        int visibleWindows = -1;
        env.dialogs.onMessage([&](const QString&) {
            visibleWindows = 0;
            for (QWidget* widget : QApplication::topLevelWidgets())
                visibleWindows += widget->isVisible() ? 1 : 0;
        });
        MainWindow& main = env.start();

        QVERIFY(QDir(env.outputFolder()).exists());
        QCOMPARE(env.dialogs.messages(), QStringList{kFirstUse});
        QCOMPARE(visibleWindows, 0);
        QCOMPARE(main.windowTitle(), QStringLiteral("ZELVANE_E-QSL Revision  1.0.4"));
        QCOMPARE(stored(env, Key::CheminRepertoire), env.programFolder());
        QCOMPARE(stored(env, Key::Revision), QStringLiteral(" 1.0.4"));
        for (const LayoutValue& entry : kLayoutValues)
            QVERIFY2(!env.store.contains(QLatin1String(entry.key)), entry.key);
        QVERIFY(!env.store.contains(Key::Commentaire));
    }

    void secondRunEntersTheOutputFolder()
    {
        TestEnvironment env;
        QDir(env.programFolder()).mkdir(QStringLiteral("E_QSL"));
        runStartUp(env.program());
        QCOMPARE(QDir::current().canonicalPath(), QDir(env.outputFolder()).canonicalPath());
        // The first-use message depends on the background only, not on a first-run marker.
        QCOMPARE(env.dialogs.messages(), QStringList{kFirstUse});
    }

    void backgroundDecidesSelectionAndMessage_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("background");
        QTest::addColumn<bool>("enabled");

        QTest::newRow("absent") << false << QString() << false;
        QTest::newRow("empty") << true << QString() << false;
        QTest::newRow("set") << true << QStringLiteral("/cartes/fond.jpg") << true;
    }

    void backgroundDecidesSelectionAndMessage()
    {
        QFETCH(bool, stored);
        QFETCH(QString, background);
        QFETCH(bool, enabled);
        TestEnvironment env;
        if (stored)
            env.store.write(Key::QslDeFond, background);
        MainWindow& main = env.start();
        QCOMPARE(button(main, "Selection")->isEnabled(), enabled);
        QCOMPARE(env.dialogs.messages(), enabled ? QStringList{} : QStringList{kFirstUse});
        QCOMPARE(env.program().fondQsl(), background);
    }

    void languageIsRestoredFromTheStore_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("french");

        QTest::newRow("absent") << false << QString() << true;
        QTest::newRow("Fr") << true << QStringLiteral("Fr") << true;
        QTest::newRow("Gb") << true << QStringLiteral("Gb") << false;
        QTest::newRow("fr in lower case") << true << QStringLiteral("fr") << false;
        QTest::newRow("Fr with a blank") << true << QStringLiteral("Fr ") << false;
    }

    void languageIsRestoredFromTheStore()
    {
        QFETCH(bool, stored);
        QFETCH(QString, language);
        QFETCH(bool, french);
        TestEnvironment env;
        if (stored)
            env.store.write(Key::Language, language);
        MainWindow& main = env.start();
        QCOMPARE(action(main, "Mnu_L_Francais")->isChecked(), french);
        QCOMPARE(action(main, "Mnu_L_Anglais")->isChecked(), !french);
        QCOMPARE(env.program().cardLanguageFrench(), french);
    }

    void languageMenuTicksAndStores()
    {
        TestEnvironment env;
        MainWindow& main = env.start();
        QAction* francais = action(main, "Mnu_L_Francais");
        QAction* anglais = action(main, "Mnu_L_Anglais");
        // Choosing the ticked entry again keeps it ticked.
        for (QAction* chosen : {anglais, anglais, francais}) {
            chosen->trigger();
            const bool french = chosen == francais;
            QCOMPARE(francais->isChecked(), french);
            QCOMPARE(anglais->isChecked(), !french);
            QCOMPARE(stored(env, Key::Language), french ? QStringLiteral("Fr") : QStringLiteral("Gb"));
            QCOMPARE(env.program().cardLanguageFrench(), french);
        }
    }

    // Start-up and the language menu each tell once when the settings file cannot be written.
    void settingsThatCannotBeSavedTellOncePerCommand()
    {
        TestEnvironment env;
        const QString notSaved = env.blockSettingsFile();
        MainWindow& main = env.start();
        QCOMPARE(env.dialogs.messages(), (QStringList{kFirstUse, notSaved}));
        action(main, "Mnu_L_Anglais")->trigger();
        QCOMPARE(env.dialogs.messages(), (QStringList{kFirstUse, notSaved, notSaved}));
        QCOMPARE(stored(env, Key::Language), QStringLiteral("Gb"));
    }

    void startUpReadsLayoutAndComment()
    {
        TestEnvironment env;
        useFrenchNumberFormat();
        env.store.write(QStringLiteral("Pose V15"), QStringLiteral("91,5"));
        env.store.write(QStringLiteral("Pose H1"), QStringLiteral(" 7 "));
        env.store.write(QStringLiteral("T Call"), QStringLiteral("pas un nombre"));
        env.store.write(Key::Commentaire, QStringLiteral("Merci à tous"));
        runStartUp(env.program());
        const CardLayout& layout = env.program().cardLayout();
        QCOMPARE(layout.v(15), qint16(92));
        QCOMPARE(layout.h(1), qint16(7));
        QCOMPARE(layout.value(QStringLiteral("T Call")), qint16(14)); // start-up default
        QCOMPARE(layout.h(7), qint16(39));
        QCOMPARE(env.program().commentaireQsl(), QStringLiteral("Merci à tous"));
    }

    void controls()
    {
        TestEnvironment env;
        MainWindow& main = env.start();
        QCOMPARE(controlFault(*main.centralWidget()), QString());
        QCOMPARE(captionFault(*main.centralWidget(), {{"Label3", "Création d' E-QSL"},
                                                      {"Label4", "à partir d'un fichier ADIF"},
                                                      {"Label2", "Sélection d'un fichier ADIF"},
                                                      {"Label5", "Ouvrir une QSL déja editée"},
                                                      {"Label1", "TRELUNE"},
                                                      {"Selection", "Sélectionnez"},
                                                      {"Chargez", "Chargez"}}),
                 QString());
    }

    void otherWindowsControls()
    {
        TestEnvironment env;
        env.start();
        for (QWidget* window : std::initializer_list<QWidget*>{&env.program().exportWindow(), &env.program().editor(),
                                                               &env.program().help()}) {
            window->show();
            // The controls lie in the window's client area.
            const QWidget* client = window->findChild<QWidget*>(QStringLiteral("client"));
            if (!client)
                client = window->findChild<QWidget*>(QStringLiteral("content"));
            QVERIFY(client);
            QCOMPARE(controlFault(*client), QString());
        }
    }

    void menusHaveTheirCaptionsInOrder()
    {
        TestEnvironment env;
        MainWindow& main = env.start();
        QStringList bar;
        for (QAction* entry : main.menuBar()->actions())
            bar << entry->text();
        QCOMPARE(bar, (QStringList{"Quitter", "Fond QSL", "Edition de la QSL", "Langue", "Aide"}));
        QCOMPARE(action(main, "Mnu_L_Francais")->text(), QStringLiteral("Français"));
        QCOMPARE(action(main, "Mnu_L_Anglais")->text(), QStringLiteral("Anglais"));
        for (const char* name : {"Mnu_Quitter", "MNU_New_QSL", "Mnu_Edition", "Mnu_Aide"})
            QVERIFY2(action(main, name), name);
        QVERIFY(button(main, "Chargez")->isEnabled());
    }

    void outputFolderThatCannotBeEnteredIsReported()
    {
        TestEnvironment env;
        env.store.write(Key::QslDeFond, QStringLiteral("fond.jpg"));
        QFile blocker(env.outputFolder()); // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString before = QDir::currentPath();

        const StartUpState state = runStartUp(env.program());
        QCOMPARE(env.dialogs.messages(),
                 QStringList{QStringLiteral("Le dossier des QSL ne peut pas être ouvert :\r\n") +
                             QDir::toNativeSeparators(env.outputFolder())});
        QCOMPARE(QDir::currentPath(), before);
        // Start-up went on to its end.
        QVERIFY(state.backgroundKnown);
        QCOMPARE(stored(env, Key::Revision), QStringLiteral(" 1.0.4"));
    }

    void outputFolderThatCannotBeCreatedIsReported()
    {
        TestEnvironment env;
        env.store.write(Key::QslDeFond, QStringLiteral("fond.jpg"));
        // A program folder under a plain file: its output folder can never be created.
        const QString folder = env.writeScratchFile(QStringLiteral("plain"), "x") + QStringLiteral("/ZELVANE_E_QSL");
        RunningProgram program(env.store, env.dialogs, folder);
        const StartUpState state = runStartUp(program);
        QCOMPARE(env.dialogs.messages(), QStringList{QStringLiteral("Le dossier des QSL ne peut pas être créé :\r\n") +
                                                     QDir::toNativeSeparators(folder + QStringLiteral("/E_QSL"))});
        QVERIFY(state.backgroundKnown);
    }

    // A user who may not write in the executable's folder (a system-wide installation) gets a
    // program folder of their own, with the sample files; their own files there are kept.
    void programFolderForTheUser_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QByteArray>("userBackground"); // already in the user's folder, empty for none
        QTest::newRow("executable's folder writable") << true << QByteArray();
        QTest::newRow("not writable, first start") << false << QByteArray();
        QTest::newRow("not writable, the user's own background kept") << false << QByteArray("mine");
    }

    void programFolderForTheUser()
    {
        QFETCH(bool, writable);
        QFETCH(QByteArray, userBackground);
        TestEnvironment env;
        QDir(env.programFolder()).mkpath(QStringLiteral("E_QSL"));
        for (const QString& name : sampleFileNames())
            QVERIFY(writeFile(env.outputFolder() + u'/' + name, "shipped " + name.toLatin1()));
        const QString user = env.scratchFolder() + QStringLiteral("/share/ZELVANE_E_QSL");
        if (!userBackground.isEmpty())
            QVERIFY(writeFile(user + QStringLiteral("/E_QSL/QSL_TRELUNE.jpg"), userBackground));

        const QString folder = programFolderFor(env.programFolder(), writable, user);
        QCOMPARE(folder, writable ? env.programFolder() : user);
        if (writable) {
            QVERIFY(!QFileInfo::exists(user));
            return;
        }
        for (const QString& name : sampleFileNames()) {
            QFile copy(user + QStringLiteral("/E_QSL/") + name);
            QVERIFY2(copy.open(QIODevice::ReadWrite), qPrintable(name)); // the user's to change
            const QByteArray expected =
                name.endsWith(u".jpg") && !userBackground.isEmpty() ? userBackground : "shipped " + name.toLatin1();
            QCOMPARE(copy.readAll(), expected);
        }
        // The program runs in it: settings, current folder and cards.
        env.store.write(Key::QslDeFond, QStringLiteral("QSL_TRELUNE.jpg"));
        RunningProgram program(env.store, env.dialogs, folder);
        program.start();
        QCOMPARE(stored(env, Key::CheminRepertoire), user);
        QCOMPARE(QDir::currentPath(), user + QStringLiteral("/E_QSL"));
        QVERIFY(env.dialogs.messages().isEmpty());
    }

    // Each window opens inside the screen's free area. Where it fits, it keeps its size and is
    // centred on the screen; where it does not (the screens of the runs named after their size),
    // its content scrolls and its buttons can be reached.
    void everyWindowFitsItsScreen_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<int>>("scrollsOnScreensOfWidth");
        QTest::addColumn<QStringList>("buttons");
        addRow("Main", u"Main"_s, QList<int>{}, QStringList{u"Selection"_s, u"Chargez"_s});
        addRow("Select_QSO", u"Select_QSO"_s, QList<int>{800},
               QStringList{u"Select_All"_s, u"Impression"_s, u"Quitter"_s});
        addRow("Select_Log", u"Select_Log"_s, QList<int>{}, QStringList{u"Valider"_s});
        addRow("Move_QSO", u"Move_QSO"_s, QList<int>{800, 1024},
               QStringList{u"Tester"_s, u"Quitter"_s, u"Enregistrement"_s});
        addRow("QSL_X", u"QSL_X"_s, QList<int>{}, QStringList{});
        addRow("Aide", u"Aide"_s, QList<int>{}, QStringList{});
    }

    void everyWindowFitsItsScreen()
    {
        QFETCH(QString, window);
        QFETCH(QList<int>, scrollsOnScreensOfWidth);
        QFETCH(QStringList, buttons);
        TestEnvironment env;
        RunningProgram& program = env.program();
        MainWindow& main = env.start();
        const QMap<QString, std::function<QWidget*()>> open = {
            {u"Main"_s, [&]() -> QWidget* { return &main; }},
            {u"Select_QSO"_s, [&]() -> QWidget* { return &program.selectQso(); }},
            {u"Select_Log"_s,
             [&]() -> QWidget* {
                 program.selectQso().show();
                 QTest::mouseClick(program.selectQso().findChild<QPushButton*>(u"Select_Part"_s), Qt::LeftButton);
                 return program.selectQso().rangeWindow();
             }},
            {u"Move_QSO"_s, [&]() -> QWidget* { return &program.editor(); }},
            {u"QSL_X"_s, [&]() -> QWidget* { return &program.exportWindow(); }},
            {u"Aide"_s, [&]() -> QWidget* { return &program.help(); }},
        };
        QWidget* shown = open.value(window)();
        QVERIFY(shown);
        const QScreen* screen = shown->screen();
        const bool scrolls = scrollsOnScreensOfWidth.contains(screen->geometry().width());
        auto* scroll = shown->findChild<QScrollArea*>(u"Defilement"_s);
        QCOMPARE(scroll != nullptr, scrolls);
        if (!scrolls) {
            // Placed before the desktop adds its frame: measured by the window alone.
            QCOMPARE(shown->pos(), QPoint((screen->geometry().width() - shown->width()) / 2,
                                          (screen->geometry().height() - shown->height()) / 2));
            return;
        }
        // With room for the desktop's title bar and borders.
        QVERIFY(screen->availableGeometry().contains(QRect(shown->pos(), shown->size().grownBy(kUsualWindowFrame))));
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        for (const QString& name : buttons) {
            auto* button = shown->findChild<QPushButton*>(name);
            QVERIFY2(button, qPrintable(name));
            scroll->ensureWidgetVisible(button);
            QVERIFY2(scroll->viewport()->rect().contains(
                         QRect(button->mapTo(scroll->viewport(), QPoint(0, 0)), button->size())),
                     qPrintable(name));
        }
    }

    // The desktop's panels are left free (here a panel of 28 pixels along the top of a
    // 1024 x 768 screen, or along its left side); a window that fits is still centred on the
    // whole screen. Frame of 4, 32, 4, 4 pixels, scroll bars of 15.
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
            placeWindow(window, window, QMargins(4, 32, 4, 4), QRect(0, 0, 1024, 768), available, 15);
        QCOMPARE(place.scrolls, scrolls);
        QCOMPARE(place.geometry, placed);
    }

    // Both open beside the main window, which stays usable.
    void editionAndHelpOpenTheirWindows()
    {
        TestEnvironment env;
        MainWindow& main = env.start();
        main.show();
        env.program().setMsgQslEnregistrees(1);
        action(main, "Mnu_Edition")->trigger();
        QCOMPARE(env.program().msgQslEnregistrees(), qint16(0));
        QVERIFY(env.program().existingEditor());
        QVERIFY(env.program().existingEditor()->isVisible());

        action(main, "Mnu_Aide")->trigger();
        AideWindow* help = &env.program().help();
        QVERIFY(help->isVisible());
        QVERIFY(!help->isModal());
        action(main, "Mnu_Aide")->trigger(); // shown again, not made twice
        QCOMPARE(&env.program().help(), help);
        QCOMPARE(main.findChildren<AideWindow*>().size(), 0); // a window of its own
        QVERIFY(main.isVisible());
    }

    void quitterEndsTheProgramWithEveryWindow()
    {
        TestEnvironment env;
        MainWindow& main = env.start();
        main.show();
        bool ended = false;
        env.program().onEnd([&] { ended = true; });
        action(main, "Mnu_Edition")->trigger();
        action(main, "Mnu_Aide")->trigger();
        QPointer<QWidget> editor = env.program().existingEditor();
        QPointer<QWidget> help = &env.program().help();
        QVERIFY(editor && help);

        action(main, "Mnu_Quitter")->trigger();
        QVERIFY(ended);
        QVERIFY(!main.isVisible());
        QVERIFY(!editor);
        QVERIFY(!help);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
