// Cards made through the windows as a user drives them: what the export window and the background
// choice tell, keep and empty. firstTrialWithTheSamples also runs on an installed program folder.

#include "app/main_window.h"
#include "card/qsl_x_window.h"
#include "editor/move_qso_window.h"
#include "platform/file_writes.h"
#include "platform/program_folder.h"
#include "selection/select_qso_window.h"
#include "settings/settings_keys.h"
#include "support/case_files.h"
#include "support/test_environment.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>
#include <cerrno>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace
{

const QString kSample = QStringLiteral(EQSL_SAMPLE_BACKGROUND);
const QString kSaved = u"Les QSL ont été enregistrées dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL"_s;
const QStringList kCards = {u"QSL_F4XYZ_14 Mhz_SSB.bmp"_s, u"QSL_F_G4ABC_P_7.0 Mhz_CW.bmp"_s,
                            u"QSL_VE3ABCDEF_M_144 Mhz_FM.bmp"_s};

void click(QWidget* window, const char* name)
{
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

QStringList cardsIn(const QString& folder)
{
    return QDir(folder).entryList({u"*.bmp"_s}, QDir::Files | QDir::Dirs, QDir::Name);
}

// Start-up with the sample background in the output folder, as the build puts it, chosen or not.
RunningProgram& start(TestEnvironment& env, bool chosen = true)
{
    QDir().mkpath(env.outputFolder());
    QFile::copy(kSample, env.outputFolder() + u"/QSL_TRELUNE.jpg"_s);
    if (chosen)
        env.setStored(Key::QslDeFond, u"QSL_TRELUNE.jpg"_s);
    env.start();
    env.dialogs.clear();
    return env.program();
}

void chooseBackground(RunningProgram& program, ScriptedDialogs& dialogs, const QString& path)
{
    dialogs.answerNextFile(path);
    program.mainWindow()->findChild<QAction*>(u"MNU_New_QSL"_s)->trigger();
}

void closeExportWindow(RunningProgram& program)
{
    program.existingExportWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// "Sélectionnez" with a log of three QSOs (the second with a via), then "Tout ".
SelectQsoWindow* pickTheLog(RunningProgram& program, ScriptedDialogs& dialogs)
{
    dialogs.answerNextFile(dataPath(u"card/journal.adi"_s));
    click(program.mainWindow(), "Selection");
    if (!program.existingSelectQso())
        qFatal("\"Sélectionnez\" opened no window; told: %s", qPrintable(dialogs.messages().join(u" | ")));
    click(program.existingSelectQso(), "Select_All");
    return program.existingSelectQso();
}

} // namespace

class TestCardExportEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    // Cards that may not have reached the disk (its synchronisation fails) keep every QSO picked, in
    // its order, and are told after the cards that failed; none is counted as saved. What an
    // interrupted batch left in "E_QSL" is removed before the batch.
    void batchNotDurable()
    {
        TestEnvironment env;
        QDir().mkpath(env.outputFolder() + u'/' + kCards[1]);
        RunningProgram& program = start(env);
        const QString leftover = env.outputFolder() + u"/.~eqsl-AbC123.tmp"_s;
        QFile half(leftover);
        QVERIFY(half.open(QIODevice::WriteOnly) &&
                half.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
        half.close();
        SelectQsoWindow* select = pickTheLog(program, env.dialogs);
        const QStringList picked = select->pickedLines();
        setFileFaultHook([](FileStep at, const QString& path) {
            return at == FileStep::SyncFolder && path.endsWith(u"E_QSL"_s) ? EIO : 0;
        });
        click(select, "Impression");
        setFileFaultHook({});
        const QString kept = u"\r\nLes QSO de ces QSL sont gardés : corrigez la cause, fermez cet aperçu, puis cliquez "
                             u"à nouveau sur \"Enregistrer les QSL\"."_s;
        QCOMPARE(env.dialogs.messages(),
                 (QStringList{u"1 QSL n'a pas pu être enregistrée :\r\n"_s + kCards[1] +
                                  u" : un dossier porte ce nom"_s + kept,
                              u"Les QSL écrites n'ont peut-être pas toutes atteint le disque :\r\nle support de "
                              u"stockage signale une erreur d'écriture"_s +
                                  kept}));
        QCOMPARE(select->pickedLines(), picked);
        QVERIFY(!QFileInfo::exists(leftover));
    }

    // The batch runs when the window is created: a card not saved is told before the count of those
    // saved, its QSO kept picked. An open window is only shown again, the picks emptied; a new one
    // reads the layout stored then and the card language of the main window's menu.
    void batchAtCreation()
    {
        TestEnvironment env;
        QDir().mkpath(env.outputFolder() + u'/' + kCards[1]);
        RunningProgram& program = start(env);
        SelectQsoWindow* select = pickTheLog(program, env.dialogs);
        const QStringList picked = select->pickedLines();
        click(select, "Impression");
        QCOMPARE(
            env.dialogs.messages(),
            (QStringList{u"1 QSL n'a pas pu être enregistrée :\r\n"_s + kCards[1] +
                             u" : un dossier porte ce nom\r\nLes QSO de ces QSL sont gardés : corrigez la cause, "
                             u"fermez cet aperçu, puis cliquez à nouveau sur \"Enregistrer les QSL\"."_s,
                         u"2 QSL sur 3 ont été enregistrées dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL"_s}));
        QCOMPARE(select->pickedLines(), picked.mid(1, 1));
        QVERIFY(select->isVisible() && program.existingExportWindow()->isVisible());
        QCOMPARE(cardsIn(env.outputFolder()), kCards);
        QCOMPARE(program.cardLayout().v(20), qint16(10)); // the export's own value, not start-up's
        const QString card = env.outputFolder() + u'/' + kCards[0];
        const QImage french(card);
        QFile::remove(card);
        env.dialogs.clear();
        click(pickTheLog(program, env.dialogs), "Impression");
        QVERIFY(env.dialogs.messages().isEmpty() && !QFile::exists(card) && select->pickedLines().isEmpty());
        const auto exportAgain = [&](const char* language) {
            closeExportWindow(program);
            program.mainWindow()->findChild<QAction*>(QLatin1String(language))->trigger();
            click(pickTheLog(program, env.dialogs), "Impression");
            return QImage(card);
        };
        QVERIFY(exportAgain("Mnu_L_Anglais") != french);
        QCOMPARE(exportAgain("Mnu_L_Francais"), french);
        env.setStored(u"Aff L1"_s, u"0"_s);
        QVERIFY(exportAgain("Mnu_L_Francais") != french);
        program.existingExportWindow()->findChild<QAction*>(u"Mnu_Edit_QSL"_s)->trigger();
        QVERIFY(program.existingEditor() && program.existingEditor()->isVisible());
        env.setStored(Key::QslDeFond, u"absent.jpg"_s); // a background gone keeps the QSOs picked
        closeExportWindow(program);
        env.dialogs.clear();
        click(pickTheLog(program, env.dialogs), "Impression");
        QCOMPARE(
            env.dialogs.messages(),
            QStringList{u"Le fond de QSL ne peut pas être chargé :\r\nabsent.jpg : le fichier n'existe pas\r\nAucune "
                        u"QSL n'a été enregistrée : choisissez un fond avec \"Fond QSL\".\r\nLes QSO sélectionnés "
                        u"sont gardés : fermez cet aperçu, puis cliquez à nouveau sur \"Enregistrer les QSL\"."_s});
        QCOMPARE(select->pickedLines().size(), 6); // with the three QSOs whose cards could not be saved
    }

    // "Fond QSL": nothing chosen, or a file that is no picture, is told and changes nothing; a
    // picture creates the export window (its batch drawing on the old background), then shows there.
    void backgroundChoice_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString refused = u"Ce fichier ne peut pas servir de fond de QSL :\r\n%1 : "_s;
        addRow("cancelled", QString(), u"selectionnez un fichier ou quitter"_s);
        addRow("not a picture", u"faux.jpg"_s, refused + u"le fichier n'est pas une image lisible"_s);
        addRow("a picture", u"Mon fond été.jpg"_s, kSaved);
        addRow("a picture, the settings file blocked", u"Mon fond été.jpg"_s, kSaved); // holds for the run
        // The export window made for it cannot load the sample background: nothing to tell.
        addRow("a picture, nothing picked, the sample background gone", u"Mon fond été.jpg"_s, QString());
    }

    void backgroundChoice()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        TestEnvironment env;
        RunningProgram& program = start(env, false);
        const bool sampleGone = message.isNull();
        if (sampleGone)
            QVERIFY(QFile::remove(env.outputFolder() + u"/QSL_TRELUNE.jpg"_s));
        else {
            program.selectQso().appendQsoLines(
                {u"    1  F4XYZ         15/03/24  14:05  14 Mhz    SSB      59        Non    "_s});
            program.selectQso().pickRange(1, 1);
            program.setMsgQslEnregistrees(1);
        }
        const QString path = name.isNull() ? QString() : env.scratchFolder() + u'/' + name;
        QImage picture(530, 340, QImage::Format_RGB32);
        picture.fill(QColor(0, 128, 0));
        picture.save(env.scratchFolder() + u"/Mon fond été.jpg"_s, "JPG");
        env.writeScratchFile(u"faux.jpg"_s, "pas une image");
        const bool blocked = QByteArray(QTest::currentDataTag()).endsWith("blocked");
        const QStringList notSaved = blocked ? QStringList{env.blockSettingsFile()} : QStringList();
        chooseBackground(program, env.dialogs, path);
        const bool chosen = message == kSaved || sampleGone;
        QCOMPARE(env.dialogs.messages(),
                 (sampleGone ? QStringList() : QStringList{message.replace(u"%1"_s, QDir::toNativeSeparators(path))}) +
                     notSaved);
        QCOMPARE(env.store.read(Key::QslDeFond, {}), chosen ? path : QString());
        QCOMPARE(env.store.read(Key::CadreQso, {}),
                 chosen ? joinPath(env.programFolder(), u"Cadre_QSO.jpg"_s) : QString());
        QCOMPARE(program.mainWindow()->findChild<QPushButton*>(u"Selection"_s)->isEnabled(), chosen);
        QCOMPARE(program.msgQslEnregistrees(), qint16(chosen ? 0 : 1));
        QCOMPARE(cardsIn(env.outputFolder()), chosen && !sampleGone ? kCards.mid(0, 1) : QStringList());
        QslXWindow* window = program.existingExportWindow();
        QCOMPARE(window && window->isVisible(), chosen);
        if (!chosen)
            return;
        const auto centre = [](const QImage& image) { return QColor(image.pixel(265, 170)).rgb() & 0xf0f0f0; };
        QCOMPARE(centre(window->cardImage()), qRgb(0, 128, 0) & 0xf0f0f0);
        if (!sampleGone)
            QCOMPARE(centre(QImage(env.outputFolder() + u'/' + kCards[0])), centre(QImage(kSample)));
    }

    // The samples of the program's "E_QSL" as background and log, then "Tout " and "Enregistrer les
    // QSL"; with EQSL_INSTALLED_PROGRAM_DIR, in the user's own folder beside an installed program.
    void firstTrialWithTheSamples()
    {
        TestEnvironment env;
        QString executable = qEnvironmentVariable("EQSL_INSTALLED_PROGRAM_DIR");
        const bool installed = !executable.isEmpty();
        // The name the settings keep for the program folder.
        QString named = executable;
        if (!installed) {
#ifdef Q_OS_WIN
            executable = named = env.programFolder();
#else
            // A folder named in Latin-1, which Qt cannot name: reached through a descriptor.
            const QByteArray raw = QFile::encodeName(env.scratchFolder()) + "/Cartes d'\xE9t\xE9";
            QCOMPARE(::mkdir(raw.constData(), 0755), 0);
            executable = folderFromBytes(raw);
            named = env.scratchFolder() + u"/Cartes d'été"_s;
#endif
            QDir().mkpath(executable + u"/E_QSL"_s);
            for (const QString& name : sampleFileNames())
                QVERIFY(QFile::copy(QFileInfo(kSample).path() + u'/' + name, executable + u"/E_QSL/"_s + name));
        }
        const QString folder = programFolderFor(executable, folderWritable(executable),
                                                installed ? perUserProgramFolder() : env.scratchFolder());
        QCOMPARE(folder != executable, installed);
        RunningProgram program(env.store, env.dialogs, folder);
        program.start();
        env.dialogs.clear();
        const QString output = folder + u"/E_QSL/"_s;
        chooseBackground(program, env.dialogs, output + u"QSL_TRELUNE.jpg"_s);
        closeExportWindow(program);
        env.dialogs.answerNextFile(output + u"Exemple_log.adi"_s);
        click(program.mainWindow(), "Selection");
        click(program.existingSelectQso(), "Select_All");
        click(program.existingSelectQso(), "Impression");
        QCOMPARE(env.dialogs.messages(), QStringList{kSaved});
        const QStringList cards = cardsIn(output);
        QVERIFY(cards.size() == 12 && cards.contains(u"QSL_F_G4ABC_P_7.0 Mhz_CW.bmp"_s));
        // The settings name the program folder as the next run finds it.
        if (installed)
            named = folder;
        QCOMPARE(QStringList({env.store.read(Key::CheminRepertoire, {}), env.store.read(Key::CadreQso, {})}),
                 QStringList({named, joinPath(named, u"Cadre_QSO.jpg"_s)}));
    }
};

QTEST_MAIN(TestCardExportEndToEnd)
#include "tst_card_export_end_to_end.moc"
