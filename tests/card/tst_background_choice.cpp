// The background choice of the main window's menu "Fond QSL" (MNU_New_QSL).

#include "app/main_window.h"
#include "card/qsl_x_window.h"
#include "card_test_support.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

namespace
{

const QColor kGreen(0, 128, 0);

QColor centreOf(const QImage& image)
{
    return QColor(image.pixel(265, 170));
}

bool nearly(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) <= 4 && qAbs(a.green() - b.green()) <= 4 && qAbs(a.blue() - b.blue()) <= 4;
}

void destroyClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestBackgroundChoice : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

    RunningProgram& program() { return env_->program(); }
    MainWindow& main() { return *program().mainWindow(); }
    QPushButton* selection() { return main().findChild<QPushButton*>(QStringLiteral("Selection")); }
    void choose() { main().findChild<QAction*>(QStringLiteral("MNU_New_QSL"))->trigger(); }

    // A first run: the sample in the output folder, no background chosen yet.
    void startFirstRun()
    {
        QVERIFY(installSampleBackground(*env_));
        env_->start();
        env_->dialogs.clear();
    }

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        env_.reset();
        destroyClosedWindows();
    }

    void filterAskedFor()
    {
        startFirstRun();
        choose();
        QCOMPARE(env_->dialogs.fileRequests().size(), 1);
        QCOMPARE(env_->dialogs.fileRequests()[0].description, QStringLiteral(".jpg "));
        QCOMPARE(env_->dialogs.fileRequests()[0].pattern, QStringLiteral("*.jpg"));
    }

    // Nothing chosen: the message, and nothing changes.
    void cancelledChangesNothing()
    {
        startFirstRun();
        program().setMsgQslEnregistrees(1);
        choose();
        QCOMPARE(env_->dialogs.messages(), QStringList{QStringLiteral("selectionnez un fichier ou quitter")});
        QVERIFY(!env_->store.contains(Key::QslDeFond));
        QVERIFY(!env_->store.contains(Key::CadreQso));
        QVERIFY(!selection()->isEnabled());
        QVERIFY(!program().existingExportWindow());
        QCOMPARE(program().msgQslEnregistrees(), qint16(1));
    }

    // Cancelling after an earlier choice of the same run keeps that choice everywhere.
    void cancelAfterAnEarlierChoiceKeepsIt()
    {
        startFirstRun();
        const QString green = writeColourPicture(*env_, QStringLiteral("vert.jpg"), kGreen, "JPG");
        env_->dialogs.answerNextFile(green);
        choose();
        QslXWindow* window = program().existingExportWindow();
        QVERIFY(window);
        const QImage chosen = window->cardImage();
        program().setMsgQslEnregistrees(1);
        env_->dialogs.clear();

        choose(); // the dialog cancelled
        QCOMPARE(env_->dialogs.messages(), QStringList{QStringLiteral("selectionnez un fichier ou quitter")});
        QCOMPARE(program().existingExportWindow(), window);
        QCOMPARE(window->cardImage(), chosen);
        QCOMPARE(env_->store.value(Key::QslDeFond), std::optional<QString>(green));
        QVERIFY(selection()->isEnabled());
        QCOMPARE(program().msgQslEnregistrees(), qint16(1));
    }

    // First run: the export window is created (its own batch with the old background first),
    // then shows the new picture; the choice is stored and "Sélectionnez" enabled.
    void firstChoice()
    {
        startFirstRun();
        const QString green = writeColourPicture(*env_, QStringLiteral("vert.jpg"), kGreen, "JPG");
        SelectQsoWindow& select = program().selectQso();
        select.appendQsoLines(
            {numberedQso(1, QStringLiteral("F4XYZ"), QStringLiteral("14 Mhz"), QStringLiteral("SSB"))});
        select.pickRange(1, 1);
        program().setMsgQslEnregistrees(1);
        env_->dialogs.answerNextFile(green);
        choose();

        QslXWindow* window = program().existingExportWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(nearly(centreOf(window->cardImage()), kGreen));
        QCOMPARE(env_->store.value(Key::QslDeFond), std::optional<QString>(green));
        QCOMPARE(env_->store.value(Key::CadreQso),
                 std::optional<QString>(joinPath(env_->programFolder(), QStringLiteral("Cadre_QSO.jpg"))));
        QVERIFY(selection()->isEnabled());
        QCOMPARE(program().msgQslEnregistrees(), qint16(0));
        QCOMPARE(program().fondQsl(), QStringLiteral("QSL_TRELUNE.jpg")); // read by the creation, not changed here

        // The creation's batch drew on the background known before the choice, and told it.
        const QImage card(env_->outputFolder() + QStringLiteral("/QSL_F4XYZ_14 Mhz_SSB.bmp"));
        const QImage sample(sampleBackgroundPath());
        QCOMPARE(centreOf(card), centreOf(sample));
        QCOMPARE(env_->dialogs.messages(),
                 QStringList{QStringLiteral(
                     "Les QSL ont été enregistrées dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL")});
    }

    // An open window gets the new picture at once, without being created again.
    void openWindowPictureReplaced()
    {
        startFirstRun();
        QslXWindow& window = program().exportWindow();
        window.surface().setPosition(10, 10);
        window.surface().print(QStringLiteral("brouillon"));
        env_->store.write(QStringLiteral("Pose V20"), QStringLiteral("55"));
        SelectQsoWindow& select = program().selectQso();
        select.appendQsoLines(
            {numberedQso(1, QStringLiteral("F4XYZ"), QStringLiteral("14 Mhz"), QStringLiteral("SSB"))});
        select.pickRange(1, 1);
        const QString green = writeColourPicture(*env_, QStringLiteral("vert.png"), kGreen, "PNG");
        env_->dialogs.answerNextFile(green);
        choose();

        QCOMPARE(program().existingExportWindow(), &window);
        QCOMPARE(window.cardImage().pixel(0, 0), kGreen.rgb());
        QCOMPARE(window.cardImage().pixel(60, 40), kGreen.rgb()); // the earlier drawing went with the old picture
        QCOMPARE(program().cardLayout().v(20), qint16(10));       // not reloaded
        QCOMPARE(filesIn(env_->outputFolder()), QStringList{QStringLiteral("QSL_TRELUNE.jpg")});
        QCOMPARE(env_->store.value(Key::QslDeFond), std::optional<QString>(green));
    }

    // A file that is not a picture is told, and nothing changes: no window, no key, no button.
    void unreadablePicture()
    {
        startFirstRun();
        program().setMsgQslEnregistrees(1);
        const QString path = env_->writeScratchFile(QStringLiteral("faux.jpg"), QByteArray("pas une image"));
        env_->dialogs.answerNextFile(path);
        choose();
        QCOMPARE(env_->dialogs.messages(),
                 QStringList{QStringLiteral("Ce fichier ne peut pas servir de fond de QSL :\r\n") +
                             QDir::toNativeSeparators(path) +
                             QStringLiteral(" : le fichier n'est pas une image lisible")});
        QVERIFY(!program().existingExportWindow());
        QVERIFY(!env_->store.contains(Key::QslDeFond));
        QVERIFY(!env_->store.contains(Key::CadreQso));
        QVERIFY(!selection()->isEnabled());
        QCOMPARE(program().msgQslEnregistrees(), qint16(1));
    }

    void unreadablePictureKeepsTheOpenWindowsPicture()
    {
        startFirstRun();
        QslXWindow& window = program().exportWindow();
        const QImage before = window.cardImage();
        const QString earlier = writeColourPicture(*env_, QStringLiteral("avant.png"), kGreen);
        env_->store.write(Key::QslDeFond, earlier);
        env_->dialogs.answerNextFile(env_->scratchFolder() + QStringLiteral("/absent.jpg"));
        choose();
        QCOMPARE(env_->dialogs.messages().size(), 1);
        QVERIFY(env_->dialogs.messages()[0].endsWith(QStringLiteral(" : le fichier n'existe pas")));
        QCOMPARE(window.cardImage(), before);
        QCOMPARE(env_->store.value(Key::QslDeFond), std::optional<QString>(earlier));
    }

    // The path is stored exactly as the dialog returned it.
    void pathWithBlanksAndAccents()
    {
        startFirstRun();
        const QString path = writeColourPicture(*env_, QStringLiteral("Mon fond été.jpg"), kGreen, "JPG");
        env_->dialogs.answerNextFile(path);
        choose();
        QCOMPARE(env_->store.value(Key::QslDeFond), std::optional<QString>(path));
        QVERIFY(env_->dialogs.messages().isEmpty());
    }

    // Once chosen, the next start-up finds a background: no first-use message.
    void nextStartUpKnowsTheBackground()
    {
        startFirstRun();
        env_->dialogs.answerNextFile(writeColourPicture(*env_, QStringLiteral("vert.jpg"), kGreen, "JPG"));
        choose();
        SettingsStore& store = env_->store;
        ScriptedDialogs dialogs;
        RunningProgram next(store, dialogs, env_->programFolder());
        MainWindow& nextMain = next.start();
        QVERIFY(dialogs.messages().isEmpty());
        QVERIFY(nextMain.findChild<QPushButton*>(QStringLiteral("Selection"))->isEnabled());
    }
};

QTEST_MAIN(TestBackgroundChoice)
#include "tst_background_choice.moc"
