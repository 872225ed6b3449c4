#include "app/main_window.h"
#include "help/aide_window.h"
#include "layout/move_qso_window.h"
#include "settings/settings_keys.h"
#include "support/test_environment.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

const QString kFirstUse = QStringLiteral("            Premiere Utilisation, voir les informations sur 'Aide'\r\n");

QAction* action(MainWindow& main, const char* name)
{
    return main.findChild<QAction*>(QString::fromLatin1(name));
}

QPushButton* button(MainWindow& main, const char* name)
{
    return main.findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void firstRunCreatesTheOutputFolderAndTellsWhereToLook();
    void firstUseMessageComesBeforeTheWindowShows();
    void secondRunEntersTheOutputFolder();
    void backgroundDecidesSelectionAndMessage_data();
    void backgroundDecidesSelectionAndMessage();
    void languageIsRestoredFromTheStore_data();
    void languageIsRestoredFromTheStore();
    void languageMenuTicksAndStores();
    void startUpReadsLayoutAndComment();
    void everyControlHasItsCaptionAndNames_data();
    void everyControlHasItsCaptionAndNames();
    void menusHaveTheirCaptionsInOrder();
    void outputFolderThatCannotBeEnteredIsReported();
    void outputFolderThatCannotBeCreatedIsReported();
    void editionClearsTheFlagAndShowsTheEditor();
    void quitterEndsTheProgramWithEveryWindow();
    void helpIsShownWithoutBlockingAndOnlyOnce();
};

void TestMainWindow::firstRunCreatesTheOutputFolderAndTellsWhereToLook()
{
    TestEnvironment env;
    QVERIFY(!QDir(env.outputFolder()).exists());
    MainWindow& main = env.start();

    QVERIFY(QDir(env.outputFolder()).exists());
    QCOMPARE(env.dialogs.messages(), QStringList{kFirstUse});
    QVERIFY(!button(main, "Selection")->isEnabled());
    QVERIFY(action(main, "Mnu_L_Francais")->isChecked());
    QVERIFY(!action(main, "Mnu_L_Anglais")->isChecked());
    QVERIFY(env.program().cardLanguageFrench());
    QCOMPARE(main.windowTitle(), QStringLiteral("ZELVANE_E-QSL Revision  1.0.4"));
    QCOMPARE(env.store.value(Key::CheminRepertoire).value_or(QString()), env.programFolder());
    QCOMPARE(env.store.value(Key::Revision).value_or(QString()), QStringLiteral(" 1.0.4"));
    for (const LayoutKeyDefaults& entry : kLayoutKeys)
        QVERIFY2(!env.store.contains(QLatin1String(entry.key)), entry.key);
    QVERIFY(!env.store.contains(Key::Commentaire));
}

void TestMainWindow::firstUseMessageComesBeforeTheWindowShows()
{
    TestEnvironment env;
    int visibleWindows = -1;
    env.dialogs.onMessage([&](const QString&) {
        visibleWindows = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            visibleWindows += widget->isVisible() ? 1 : 0;
    });
    MainWindow& main = env.start();
    QCOMPARE(visibleWindows, 0);
    // The title is set by the same start-up, after the message.
    QVERIFY(main.windowTitle().startsWith(QStringLiteral("ZELVANE_E-QSL")));
}

void TestMainWindow::secondRunEntersTheOutputFolder()
{
    TestEnvironment env;
    QDir(env.programFolder()).mkdir(QStringLiteral("E_QSL"));
    env.start();
    QCOMPARE(QDir::current().canonicalPath(), QDir(env.outputFolder()).canonicalPath());
    // The first-use message depends on the background only, not on a first-run marker.
    QCOMPARE(env.dialogs.messages(), QStringList{kFirstUse});
}

void TestMainWindow::backgroundDecidesSelectionAndMessage_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("background");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("absent") << false << QString() << false;
    QTest::newRow("empty") << true << QString() << false;
    QTest::newRow("set") << true << QStringLiteral("/cartes/fond.jpg") << true;
}

void TestMainWindow::backgroundDecidesSelectionAndMessage()
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

void TestMainWindow::languageIsRestoredFromTheStore_data()
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

void TestMainWindow::languageIsRestoredFromTheStore()
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

void TestMainWindow::languageMenuTicksAndStores()
{
    TestEnvironment env;
    MainWindow& main = env.start();
    QAction* francais = action(main, "Mnu_L_Francais");
    QAction* anglais = action(main, "Mnu_L_Anglais");

    anglais->trigger();
    QVERIFY(!francais->isChecked());
    QVERIFY(anglais->isChecked());
    QCOMPARE(env.store.value(Key::Language).value_or(QString()), QStringLiteral("Gb"));
    QVERIFY(!env.program().cardLanguageFrench());

    anglais->trigger(); // choosing the ticked entry again keeps it ticked
    QVERIFY(anglais->isChecked());
    QVERIFY(!francais->isChecked());

    francais->trigger();
    QVERIFY(francais->isChecked());
    QVERIFY(!anglais->isChecked());
    QCOMPARE(env.store.value(Key::Language).value_or(QString()), QStringLiteral("Fr"));
    QVERIFY(env.program().cardLanguageFrench());
}

void TestMainWindow::startUpReadsLayoutAndComment()
{
    TestEnvironment env;
    useFrenchNumberFormat();
    env.store.write(QStringLiteral("Pose V15"), QStringLiteral("91,5"));
    env.store.write(QStringLiteral("Pose H1"), QStringLiteral(" 7 "));
    env.store.write(QStringLiteral("T Call"), QStringLiteral("pas un nombre"));
    env.store.write(Key::Commentaire, QStringLiteral("Merci à tous"));
    env.start();
    const CardLayout& layout = env.program().cardLayout();
    QCOMPARE(layout.v(15), qint16(92));
    QCOMPARE(layout.h(1), qint16(7));
    QCOMPARE(layout.value(QStringLiteral("T Call")), qint16(14)); // start-up default
    QCOMPARE(layout.h(7), qint16(39));
    QCOMPARE(env.program().commentaireQsl(), QStringLiteral("Merci à tous"));
}

void TestMainWindow::everyControlHasItsCaptionAndNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Label3") << "Label3" << QStringLiteral("Création d' E-QSL");
    QTest::newRow("Label4") << "Label4" << QStringLiteral("à partir d'un fichier ADIF");
    QTest::newRow("Label2") << "Label2" << QStringLiteral("Sélection d'un fichier ADIF");
    QTest::newRow("Label5") << "Label5" << QStringLiteral("Ouvrir une QSL déja editée");
    QTest::newRow("Label1") << "Label1" << QStringLiteral("TRELUNE");
    QTest::newRow("Selection") << "Selection" << QStringLiteral("Sélectionnez");
    QTest::newRow("Chargez") << "Chargez" << QStringLiteral("Chargez");
}

void TestMainWindow::everyControlHasItsCaptionAndNames()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    TestEnvironment env;
    MainWindow& main = env.start();
    main.show();
    QWidget* widget = main.findChild<QWidget*>(name);
    QVERIFY(widget);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), caption);
        QVERIFY2(label->fontMetrics().horizontalAdvance(caption) <= label->width(), "caption fits");
    } else {
        auto* push = qobject_cast<QPushButton*>(widget);
        QVERIFY(push);
        QCOMPARE(push->text(), caption);
    }
    QCOMPARE(widget->accessibleName(), caption);
    QVERIFY(widget->isVisible());
}

void TestMainWindow::menusHaveTheirCaptionsInOrder()
{
    TestEnvironment env;
    MainWindow& main = env.start();
    QStringList bar;
    for (QAction* entry : main.menuBar()->actions())
        bar << entry->text();
    QCOMPARE(bar, (QStringList{"Quitter", "Fond QSL", "Edition de la QSL", "Langue", "Aide"}));
    QCOMPARE(action(main, "Mnu_L_Francais")->text(), QStringLiteral("Français"));
    QCOMPARE(action(main, "Mnu_L_Anglais")->text(), QStringLiteral("Anglais"));
    QVERIFY(action(main, "Mnu_Quitter"));
    QVERIFY(action(main, "MNU_New_QSL"));
    QVERIFY(action(main, "Mnu_Edition"));
    QVERIFY(action(main, "Mnu_Aide"));
    QVERIFY(button(main, "Chargez")->isEnabled());
}

void TestMainWindow::outputFolderThatCannotBeEnteredIsReported()
{
    TestEnvironment env;
    env.store.write(Key::QslDeFond, QStringLiteral("fond.jpg"));
    QFile blocker(env.outputFolder()); // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString before = QDir::currentPath();

    MainWindow& main = env.start();
    QCOMPARE(env.dialogs.messages().size(), 1);
    QCOMPARE(env.dialogs.messages().first(), QStringLiteral("Le dossier des QSL ne peut pas être ouvert :\r\n") +
                                                 QDir::toNativeSeparators(env.outputFolder()));
    QCOMPARE(QDir::currentPath(), before);
    // Start-up went on to its end.
    QVERIFY(button(main, "Selection")->isEnabled());
    QCOMPARE(env.store.value(Key::Revision).value_or(QString()), QStringLiteral(" 1.0.4"));
}

void TestMainWindow::outputFolderThatCannotBeCreatedIsReported()
{
    TestEnvironment env;
    env.store.write(Key::QslDeFond, QStringLiteral("fond.jpg"));
    // A program folder under a plain file: its output folder can never be created.
    const QString file = env.writeScratchFile(QStringLiteral("plain"), "x");
    RunningProgram program(env.store, env.dialogs, file + QStringLiteral("/ZELVANE_E_QSL"));
    MainWindow& main = program.start();
    QCOMPARE(env.dialogs.messages().size(), 1);
    QCOMPARE(env.dialogs.messages().first(), QStringLiteral("Le dossier des QSL ne peut pas être créé :\r\n") +
                                                 QDir::toNativeSeparators(file + QStringLiteral("/ZELVANE_E_QSL/E_QSL")));
    QVERIFY(button(main, "Selection")->isEnabled());
}

void TestMainWindow::editionClearsTheFlagAndShowsTheEditor()
{
    TestEnvironment env;
    MainWindow& main = env.start();
    main.show();
    env.program().setMsgQslEnregistrees(1);
    action(main, "Mnu_Edition")->trigger();
    QCOMPARE(env.program().msgQslEnregistrees(), qint16(0));
    QVERIFY(env.program().existingEditor());
    QVERIFY(env.program().existingEditor()->isVisible());
    QVERIFY(main.isVisible());
}

void TestMainWindow::quitterEndsTheProgramWithEveryWindow()
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

void TestMainWindow::helpIsShownWithoutBlockingAndOnlyOnce()
{
    TestEnvironment env;
    MainWindow& main = env.start();
    main.show();
    action(main, "Mnu_Aide")->trigger();
    AideWindow* first = &env.program().help();
    QVERIFY(first->isVisible());
    QVERIFY(!first->isModal());
    action(main, "Mnu_Aide")->trigger();
    QCOMPARE(&env.program().help(), first);
    QCOMPARE(main.findChildren<AideWindow*>().size(), 0); // a window of its own
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
