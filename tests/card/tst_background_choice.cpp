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
const QString kChooseFile = u"selectionnez un fichier ou quitter"_s;

QColor centreOf(const QImage& image)
{
    return QColor(image.pixel(265, 170));
}

bool nearly(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) <= 4 && qAbs(a.green() - b.green()) <= 4 && qAbs(a.blue() - b.blue()) <= 4;
}

} // namespace

class TestBackgroundChoice : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

    RunningProgram& program() { return env_->program(); }
    bool selectionEnabled() { return program().mainWindow()->findChild<QPushButton*>(u"Selection"_s)->isEnabled(); }
    QString stored() const { return env_->store.read(Key::QslDeFond, u"(never written)"_s); }

    // "Fond QSL", the dialog answering the path (a null path: cancelled).
    void choose(const QString& path = QString())
    {
        if (!path.isNull())
            env_->dialogs.answerNextFile(path);
        program().mainWindow()->findChild<QAction*>(u"MNU_New_QSL"_s)->trigger();
    }

    // A first run: the sample in the output folder, no background chosen yet.
    void startFirstRun() { QVERIFY(startWithTheSampleBackground(*env_)); }

    void pickOneQso()
    {
        SelectQsoWindow& select = program().selectQso();
        select.appendQsoLines({numberedQso(1, u"F4XYZ"_s, u"14 Mhz"_s, u"SSB"_s)});
        select.pickRange(1, 1);
    }

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        env_.reset();
        destroyClosedWindows();
    }

    // Nothing chosen: the message, and nothing changes.
    void cancelledChangesNothing()
    {
        startFirstRun();
        program().setMsgQslEnregistrees(1);
        choose();
        QCOMPARE(env_->dialogs.fileRequests().size(), 1);
        QCOMPARE(env_->dialogs.fileRequests()[0].description, u".jpg "_s);
        QCOMPARE(env_->dialogs.fileRequests()[0].pattern, u"*.jpg"_s);
        QCOMPARE(env_->dialogs.messages(), QStringList{kChooseFile});
        QVERIFY(!env_->store.contains(Key::QslDeFond));
        QVERIFY(!env_->store.contains(Key::CadreQso));
        QVERIFY(!selectionEnabled());
        QVERIFY(!program().existingExportWindow());
        QCOMPARE(program().msgQslEnregistrees(), qint16(1));
    }

    // Cancelling after an earlier choice of the same run keeps that choice everywhere.
    void cancelAfterAnEarlierChoiceKeepsIt()
    {
        startFirstRun();
        const QString green = writeColourPicture(*env_, u"vert.jpg"_s, kGreen, "JPG");
        choose(green);
        QslXWindow* window = program().existingExportWindow();
        QVERIFY(window);
        const QImage chosen = window->cardImage();
        program().setMsgQslEnregistrees(1);
        env_->dialogs.clear();

        choose();
        QCOMPARE(env_->dialogs.messages(), QStringList{kChooseFile});
        QCOMPARE(program().existingExportWindow(), window);
        QCOMPARE(window->cardImage(), chosen);
        QCOMPARE(stored(), green);
        QVERIFY(selectionEnabled());
        QCOMPARE(program().msgQslEnregistrees(), qint16(1));
    }

    // First run: the export window is created (its own batch with the old background first),
    // then shows the new picture; the choice is stored as the dialog returned it, and
    // "Sélectionnez" enabled.
    void firstChoice()
    {
        startFirstRun();
        const QString green = writeColourPicture(*env_, u"Mon fond été.jpg"_s, kGreen, "JPG");
        pickOneQso();
        program().setMsgQslEnregistrees(1);
        choose(green);

        QslXWindow* window = program().existingExportWindow();
        QVERIFY(window && window->isVisible());
        QVERIFY(nearly(centreOf(window->cardImage()), kGreen));
        QCOMPARE(stored(), green);
        QCOMPARE(env_->store.read(Key::CadreQso, {}), joinPath(env_->programFolder(), u"Cadre_QSO.jpg"_s));
        QVERIFY(selectionEnabled());
        QCOMPARE(program().msgQslEnregistrees(), qint16(0));
        QCOMPARE(program().fondQsl(), u"QSL_TRELUNE.jpg"_s); // read by the creation, not changed here

        // The creation's batch drew on the background known before the choice, and told it.
        const QImage card(env_->outputFolder() + u"/QSL_F4XYZ_14 Mhz_SSB.bmp"_s);
        QCOMPARE(centreOf(card), centreOf(QImage(sampleBackgroundPath())));
        QCOMPARE(env_->dialogs.messages(), QStringList{kSavedMessage});
    }

    // A choice the settings file cannot take is told once, and still holds for the whole run:
    // the cards are drawn on it.
    void choiceThatCannotBeSavedHoldsForTheRun()
    {
        startFirstRun();
        const QString notSaved = env_->blockSettingsFile();
        const QString green = writeColourPicture(*env_, u"vert.png"_s, kGreen);
        choose(green);
        QCOMPARE(env_->dialogs.messages(), QStringList{notSaved});
        QVERIFY(selectionEnabled());
        program().existingExportWindow()->close();
        destroyClosedWindows();
        pickOneQso();
        program().exportWindow();
        QCOMPARE(centreOf(QImage(env_->outputFolder() + u"/QSL_F4XYZ_14 Mhz_SSB.bmp"_s)), kGreen);
    }

    // An open window gets the new picture at once, without being created again.
    void openWindowPictureReplaced()
    {
        startFirstRun();
        QslXWindow& window = program().exportWindow();
        window.surface().setPosition(10, 10);
        window.surface().print(u"brouillon"_s);
        env_->store.write(u"Pose V20"_s, u"55"_s);
        pickOneQso();
        const QString green = writeColourPicture(*env_, u"vert.png"_s, kGreen, "PNG");
        choose(green);

        QCOMPARE(program().existingExportWindow(), &window);
        QCOMPARE(window.cardImage().pixel(0, 0), kGreen.rgb());
        QCOMPARE(window.cardImage().pixel(60, 40), kGreen.rgb()); // the earlier drawing went with the old picture
        QCOMPARE(program().cardLayout().v(20), qint16(10));       // not reloaded
        QCOMPARE(filesIn(env_->outputFolder()), QStringList{u"QSL_TRELUNE.jpg"_s});
        QCOMPARE(stored(), green);
    }

    // A file that is not a picture is told, and nothing changes: no window, no key, no button.
    void unreadablePicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a picture") << u"faux.jpg"_s << u"le fichier n'est pas une image lisible"_s;
        QTest::newRow("FIFO") << u"fifo.jpg"_s << u"ce n'est pas un fichier ordinaire"_s;
    }

    void unreadablePicture()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        startFirstRun();
        program().setMsgQslEnregistrees(1);
        env_->writeScratchFile(u"faux.jpg"_s, QByteArray("pas une image"));
        const QString path = env_->scratchFolder() + u"/"_s + name;
        if (name.startsWith(u"fifo"_s))
            makeFifo(path);
        choose(path);
        QCOMPARE(env_->dialogs.messages(), QStringList{u"Ce fichier ne peut pas servir de fond de QSL :\r\n"_s +
                                                       QDir::toNativeSeparators(path) + u" : "_s + reason});
        QVERIFY(!program().existingExportWindow());
        QVERIFY(!env_->store.contains(Key::QslDeFond));
        QVERIFY(!env_->store.contains(Key::CadreQso));
        QVERIFY(!selectionEnabled());
        QCOMPARE(program().msgQslEnregistrees(), qint16(1));
    }

    void unreadablePictureKeepsTheOpenWindowsPicture()
    {
        startFirstRun();
        QslXWindow& window = program().exportWindow();
        const QImage before = window.cardImage();
        const QString earlier = writeColourPicture(*env_, u"avant.png"_s, kGreen);
        env_->store.write(Key::QslDeFond, earlier);
        choose(env_->scratchFolder() + u"/absent.jpg"_s);
        QCOMPARE(env_->dialogs.messages().size(), 1);
        QVERIFY(env_->dialogs.messages()[0].endsWith(u" : le fichier n'existe pas"_s));
        QCOMPARE(window.cardImage(), before);
        QCOMPARE(stored(), earlier);
    }

    // Once chosen, the next start-up finds a background: no first-use message.
    void nextStartUpKnowsTheBackground()
    {
        startFirstRun();
        choose(writeColourPicture(*env_, u"vert.jpg"_s, kGreen, "JPG"));
        ScriptedDialogs dialogs;
        RunningProgram next(env_->store, dialogs, env_->programFolder());
        MainWindow& nextMain = next.start();
        QVERIFY(dialogs.messages().isEmpty());
        QVERIFY(nextMain.findChild<QPushButton*>(u"Selection"_s)->isEnabled());
    }
};

QTEST_MAIN(TestBackgroundChoice)
#include "tst_background_choice.moc"
