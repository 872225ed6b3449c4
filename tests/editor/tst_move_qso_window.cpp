#include "card/qsl_x_window.h"
#include "editor_driver.h"
#include "layout/card_sequence.h"
#include "layout/layout_texts.h"
#include "layout/sample_card.h"
#include "platform/image_surface.h"
#include "settings/settings_keys.h"

#include <QDir>
#include <QLabel>

using namespace driver;

namespace
{

const QString kCommentTooLong = u"30 caractères maximum"_s;

// Starts the program with a plain white background of the cards' size known.
void start(TestEnvironment& env)
{
    QImage white(530, 340, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QString path = env.scratchFolder() + u"/fond.jpg"_s;
    white.save(path, "JPG", 100);
    env.store.write(Key::QslDeFond, path);
    env.start();
    env.dialogs.clear();
}

MoveQsoWindow* open(TestEnvironment& env)
{
    start(env);
    return openEditor(env);
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 120 && qBlue(pixel) < 120;
}

ImageSurface& surfaceOf(TestEnvironment& env)
{
    return dynamic_cast<ImageSurface&>(env.program().existingExportWindow()->surface());
}

void destroyClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestMoveQsoWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void everyBoxAndCheckBoxHasItsNames()
    {
        MoveQsoWindow* editor = open(*env);
        QCOMPARE(editor->objectName(), u"Move_QSO"_s);
        QCOMPARE(editor->windowTitle(), u"Edition de la QSL"_s);
        QStringList names{u"CommentX"_s};
        for (int n = 1; n <= 22; ++n) {
            names << u"PH%1"_s.arg(n) << u"PV%1"_s.arg(n);
            if (n <= 8)
                names << u"PT%1"_s.arg(n);
            if (n <= 7)
                names << u"C%1"_s.arg(n);
        }
        for (const QString& name : names) {
            const QList<QLineEdit*> found = editor->findChildren<QLineEdit*>(name);
            QVERIFY2(found.size() == 1 && found[0]->accessibleName() == name && found[0]->isVisible(),
                     qPrintable(name));
        }
        QCOMPARE(editor->findChildren<QLineEdit*>().size(), names.size());
        for (int n = 1; n <= 7; ++n) {
            // The check boxes show no text of their own.
            const QCheckBox* box = tick(editor, u"SL%1"_s.arg(n));
            QVERIFY2(box && box->accessibleName() == box->objectName() && box->text().isEmpty(),
                     qPrintable(QString::number(n)));
        }
        QCOMPARE(editor->findChildren<QCheckBox*>().size(), 7);
    }

    void captionsLegendAndButtons()
    {
        MoveQsoWindow* editor = open(*env);
        QStringList captions;
        for (const QLabel* label : editor->findChildren<QLabel*>())
            captions << label->text();
        QStringList expected = {"Positionnement des champs sur la QSL",
                                "Position en haut à gauche de la QSL : H = 0  et V= 0",
                                "Position en bas à droite de la QSL : H = 100 V = 100",
                                "Utilisation d'une décimale possible avec une virgule ",
                                "( pas le point )",
                                "Cocher les lignes à afficher",
                                "Position des champs ligne entête",
                                "Position des champs  ligne QSO",
                                "Position ligne Merci pour le QSO",
                                "Position ligne Pse QSL    73",
                                "Position de la ligne commentaire",
                                "Position d'une ligne (N°1)",
                                "Position d'une ligne (N°2)",
                                "Position du X pour case à cocher",
                                "Commentaire (30 caractères maxi)",
                                "Codes des couleurs",
                                "Noir=0  Vert=2  Bleu=9  ",
                                " Rouge=12  Jaune=14  Blanc=15"};
        expected += u"Pour|QSL via|Call|Via|Heure|Bande|Mode|RST|Debut|Fin|Taille"_s.split(u'|');
        for (const QString& caption : expected)
            QVERIFY2(captions.contains(caption), qPrintable(caption));
        // Every row of positions has its H and V captions; seven rows have a colour box.
        QCOMPARE(captions.count(u"H"_s), 8);
        QCOMPARE(captions.count(u"V"_s), 8);
        QCOMPARE(captions.count(u"Couleur"_s), 7);

        const QList<std::pair<QString, QString>> buttons = {
            {"Tester", "Tester"}, {"Quitter", "Quitter"}, {"Enregistrement", "Enregistrer les paramètres"}};
        for (const auto& [name, caption] : buttons) {
            const QPushButton* button = editor->findChild<QPushButton*>(name);
            QVERIFY2(button && button->text() == caption && button->accessibleName() == caption, qPrintable(name));
        }
        // Left to right along the bottom edge.
        const auto x = [&](const char* name) { return editor->findChild<QPushButton*>(name)->x(); };
        QVERIFY(x("Tester") < x("Quitter") && x("Quitter") < x("Enregistrement"));
        QVERIFY(editor->findChild<QPushButton*>("Tester")->y() > box(editor, "PV22")->y());
    }

    void opensWithTheEditorsDefaults()
    {
        useFrenchNumberFormat();
        MoveQsoWindow* editor = open(*env);
        expectShown(editor, {"PH1=5",   "PV1=84",    "PH7=40",  "PV7=91",  "PH14=6",  "PV14=91", "PH15=16",  "PH17=69",
                             "PH22=10", "PV15=91,5", "PH20=10", "PV20=20", "PV21=20", "PT1=12",  "PT2=12",   "PT3=13",
                             "PT6=13",  "PT7=1",     "PT8=1",   "C1=0",    "C5=0",    "C7=0",    "CommentX="});
        QCOMPARE(switches(editor), u"1110000"_s);
        expectStored(env->store, {"Pose V15"}); // opening wrote nothing
    }

    void showsStoredTextsUnchanged()
    {
        const QList<std::pair<QString, QString>> stored = {{"Pose H3", "12,5"},  {"T QSO", " 9 "},
                                                           {"Coul L2", "rouge"}, {"Aff L4", "1"},
                                                           {"Aff L1", "0"},      {Key::Commentaire, "73 à tous"}};
        for (const auto& [key, text] : stored)
            env->store.write(key, text);
        MoveQsoWindow* editor = open(*env);
        expectShown(editor, {"PH3=12,5", "PT2= 9 ", "C2=rouge", "CommentX=73 à tous"});
        QCOMPARE(switches(editor), u"0111000"_s);
    }

    void greyedSwitchIsShownAndKept()
    {
        env->store.write(u"Aff L5"_s, u"2"_s);
        MoveQsoWindow* editor = open(*env);
        QCOMPARE(switches(editor), u"1110200"_s);
        fill(editor, {"PT7=3"});
        click(editor, "Tester");
        expectStored(env->store, {"Aff L5=2"});
        QCOMPARE(surfaceOf(*env).lineWidth(), 1); // line no. 1 not drawn: the greyed box counts as off

        // Once changed by the user it is an ordinary box again.
        editor = openEditor(*env);
        QCheckBox* greyed = tick(editor, "SL5");
        QCOMPARE(greyed->checkState(), Qt::PartiallyChecked);
        QTest::mouseClick(greyed, Qt::LeftButton);
        QCOMPARE(greyed->checkState(), Qt::Checked);
        QTest::mouseClick(greyed, Qt::LeftButton);
        QTest::mouseClick(greyed, Qt::LeftButton);
        QCOMPARE(greyed->checkState(), Qt::Checked);
    }

    // A window that is not modal; opening it clears the saved-cards flag only from the main window.
    void flagClearedOnlyWhenOpenedFromTheMainWindow_data()
    {
        QTest::addColumn<bool>("fromExportWindow");
        QTest::addColumn<qint16>("flag");
        QTest::newRow("main window") << false << qint16(0);
        QTest::newRow("export window") << true << qint16(1);
    }

    void flagClearedOnlyWhenOpenedFromTheMainWindow()
    {
        QFETCH(bool, fromExportWindow);
        QFETCH(qint16, flag);
        start(*env);
        QWidget* window = env->program().mainWindow();
        if (fromExportWindow)
            window = &env->program().exportWindow();
        QVERIFY(!env->program().existingEditor());
        env->program().setMsgQslEnregistrees(1);
        action(window, fromExportWindow ? "Mnu_Edit_QSL" : "Mnu_Edition")->trigger();
        const MoveQsoWindow* editor = env->program().existingEditor();
        QVERIFY(editor && editor->isVisible() && !editor->isModal());
        QVERIFY(!fromExportWindow || window->isVisible());
        QCOMPARE(env->program().msgQslEnregistrees(), flag);
    }

    // "Quitter" hides the editor, which keeps its edits; its close box unloads it. Neither stores.
    void quitterHidesCloseBoxUnloads()
    {
        MoveQsoWindow* editor = open(*env);
        fill(editor, {"PH1=33", "CommentX=bonjour"});
        setTicked(tick(editor, "SL6"), true);
        click(editor, "Quitter");
        QVERIFY(!editor->isVisible());
        destroyClosedWindows();
        QCOMPARE(env->program().existingEditor(), editor); // hidden, still loaded
        QVERIFY(!env->program().existingExportWindow());
        QCOMPARE(openEditor(*env), editor);
        QVERIFY(editor->isVisible());
        expectShown(editor, {"PH1=33", "CommentX=bonjour"});
        QCOMPARE(switches(editor), u"1110010"_s);

        editor->close();
        QTRY_VERIFY(!env->program().existingEditor());
        expectStored(env->store, {"Pose H1", "Commentaire", "Aff L6"});
        expectShown(openEditor(*env), {"PH1=5", "CommentX="});
    }

    // 31 characters are refused before anything is drawn or stored; 30 pass, an accented letter
    // or an emoji (two UTF-16 units) counting as one character.
    void commentLimitedToThirtyCharacters()
    {
        start(*env);
        QslXWindow& exportWindow = env->program().exportWindow(); // with a card on it that must not change
        const QImage before = exportWindow.cardImage();
        MoveQsoWindow* editor = openEditor(*env);
        setTicked(tick(editor, "SL5"), true);
        const QString tooLong = "CommentX=" + QString(31, u'c');
        fill(editor, {tooLong});
        env->dialogs.clear();
        click(editor, "Tester");
        QCOMPARE(env->dialogs.messages(), QStringList{kCommentTooLong});
        QCOMPARE(exportWindow.cardImage(), before);
        expectStored(env->store, {"Commentaire", "Pose V1", "Aff L5"});
        QCOMPARE(env->program().msgQslEnregistrees(), qint16(0));
        destroyClosedWindows();
        QCOMPARE(env->program().existingEditor(), editor);
        QVERIFY(editor->isVisible());
        expectShown(editor, {tooLong});

        box(editor, u"CommentX"_s)->setText(u"Merci pour ce beau QSO, 73 àé😀"_s); // pasted
        env->dialogs.clear();
        click(editor, "Tester");
        QVERIFY(!env->dialogs.messages().contains(kCommentTooLong));
        expectStored(env->store, {u"Commentaire=Merci pour ce beau QSO, 73 àé😀"_s});
        QTRY_VERIFY(!env->program().existingEditor());
    }

    void boxThatCannotBeUsedStopsEverything_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, const char* name, const char* text, const QString& message) {
            QTest::newRow(tag) << name << text << message + u"\r\nRien n'a été dessiné ni enregistré."_s;
        };
        row("position", "PH8", "abc", u"Case PH8 (Pour, ligne entête, position H) : « abc » n'est pas un nombre."_s);
        row("colour", "C2", "16",
            u"Case C2 (couleur de la ligne QSO) : « 16 » n'est pas un code de couleur de 0 à 15."_s);
        row("size", "PT3", "0", u"Case PT3 (taille du Call) : la taille « 0 » doit être d'au moins 1."_s);
        row("line width of a line not drawn", "PT7", "0",
            u"Case PT7 (épaisseur de la ligne (N°1)) : l'épaisseur « 0 » doit être un nombre entier de 1 à 32767."_s);
    }

    void boxThatCannotBeUsedStopsEverything()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, message);
        MoveQsoWindow* editor = open(*env);
        fill(editor, {name + u'=' + text});
        click(editor, "Tester");

        QCOMPARE(env->dialogs.messages(), QStringList{message});
        QVERIFY(!env->program().existingExportWindow()); // nothing drawn, not even the window created
        for (const LayoutValue& entry : kLayoutValues)
            QVERIFY2(!env->store.contains(QLatin1String(entry.key)), entry.key);
        expectStored(env->store, {"Commentaire"});
        QCOMPARE(env->program().msgQslEnregistrees(), qint16(0));
        destroyClosedWindows();
        QVERIFY(env->program().existingEditor());
        expectShown(editor, {name + u'=' + text});
    }

    // A vertical line at 12,5 %: 66.25 pixels of 530, drawn in column 66 (not at 12 % or 13 %)
    // when its line is ticked; stored as typed either way.
    void decimalPositionDrawnWhenTickedStoredAsTyped_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::newRow("ticked") << true;
        QTest::newRow("not ticked") << false;
    }

    void decimalPositionDrawnWhenTickedStoredAsTyped()
    {
        QFETCH(bool, ticked);
        useFrenchNumberFormat();
        MoveQsoWindow* editor = open(*env);
        setSwitches(editor, ticked ? u"0000100"_s : u"0000000"_s);
        fill(editor, {"PH18=12,5", "PH19=12,5", "PV18=10", "PV19=90", "C5=12"});
        click(editor, "Tester");

        const QImage image = env->program().existingExportWindow()->cardImage();
        for (int x = 55; x < 80; ++x)
            if (x == 66 || qAbs(x - 66) >= 3)
                QVERIFY2(isRed(image.pixel(x, 170)) == (ticked && x == 66), qPrintable(QString::number(x)));
        expectStored(env->store, {ticked ? "Aff L5=1" : "Aff L5=0", "Pose H18=12,5", "Pose V19=90", "Pose V15=91,5",
                                  "Coul Li1=12"});
    }

    // What the export window shows is exactly the shared drawing sequence for the stored texts, in
    // the language of the main window's tick, each time on a freshly loaded background.
    void sampleIsTheCardSequenceOnAFreshBackground()
    {
        start(*env);
        QImage previous;
        for (const bool french : {true, false}) {
            action(env->program().mainWindow(), french ? "Mnu_L_Francais" : "Mnu_L_Anglais")->trigger();
            click(openEditor(*env), "Tester");
            ImageSurface fresh;
            QCOMPARE(fresh.loadPicture(env->store.read(Key::QslDeFond, QString())), QString());
            drawCardSequence(fresh, sampleCard(readEditorTexts(env->store), french).card);
            QVERIFY(fresh.image() != previous);
            QVERIFY(env->program().existingExportWindow()->cardImage() == fresh.image());
            previous = fresh.image();
        }
    }

    // "Tester" creates the export window first: its creation reloads the layout, and loads its
    // background, before the editor stores its values and draws the sample.
    void testerStoresEveryValueThenUnloads()
    {
        MoveQsoWindow* editor = open(*env);
        fill(editor, {"PH1=33", "PV22=-4", "PT8=2", "C7=14", "CommentX= 73 "});
        setTicked(tick(editor, "SL7"), true);
        const LayoutTexts shown = editor->texts();
        QVERIFY(!env->program().existingExportWindow());
        click(editor, "Tester");
        QCOMPARE(env->program().cardLayout().h(1), qint16(5));
        QVERIFY(env->program().existingExportWindow()->cardImage() != surfaceOf(*env).background());
        QVERIFY(!env->dialogs.messages().contains(
            u"Les QSL ont été enregistrées dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL"_s));

        for (int i = 0; i < kLayoutValueCount; ++i)
            QCOMPARE(env->store.value(QLatin1String(kLayoutValues[i].key)), std::optional<QString>(shown.values[i]));
        expectStored(env->store, {"Pose H1=33", "Aff L7=1", "Aff L4=0", "Commentaire= 73 "});
        QCOMPARE(env->program().msgQslEnregistrees(), qint16(1));
        QTRY_VERIFY(!env->program().existingEditor());
        // Closing the editor leaves the export window with the sample on it.
        QVERIFY(env->program().existingExportWindow()->isVisible());
        // The comment printed on exported cards stays the one read at start-up.
        QCOMPARE(env->program().commentaireQsl(), QString());

        editor = openEditor(*env);
        expectShown(editor, {"PH1=33", "PV22=-4", "CommentX= 73 "});
        QCOMPARE(switches(editor), u"1110001"_s);
    }

    // Values the settings file cannot take are told once, and the run goes on with them.
    void testerThatCannotSaveTellsOnce()
    {
        MoveQsoWindow* editor = open(*env);
        const QString notSaved = env->blockSettingsFile();
        env->dialogs.clear();
        fill(editor, {"PH1=33", "CommentX=73"});
        click(editor, "Tester");
        QCOMPARE(env->dialogs.messages(), QStringList{notSaved});
        expectStored(env->store, {"Pose H1=33", "Commentaire=73"});
        QTRY_VERIFY(!env->program().existingEditor());
    }

    void backgroundThatCannotBeLoaded_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no such file
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << "le fichier n'existe pas";
        QTest::newRow("not a picture") << QByteArray("pas une image") << "le fichier n'est pas une image lisible";
    }

    void backgroundThatCannotBeLoaded()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        start(*env);
        const QString path =
            content.isEmpty() ? env->scratchFolder() + u"/absent.jpg"_s : env->writeScratchFile(u"faux.jpg"_s, content);
        env->store.write(Key::QslDeFond, path);
        MoveQsoWindow* editor = openEditor(*env);
        fill(editor, {"PH1=30"});
        click(editor, "Tester");

        // The export window, created first, tells that it has no background; then the editor tells that
        // the sample is drawn without it and the layout stored all the same.
        QCOMPARE(
            env->dialogs.messages(),
            (QStringList{u"Le fond de QSL ne peut pas être chargé :\r\n"_s + QDir::toNativeSeparators(path) + u" : "_s +
                             reason + u"\r\nAucune QSL n'a été enregistrée : choisissez un fond avec \"Fond QSL\"."_s,
                         u"L'image de fond « "_s + path + u" » ne peut pas être chargée ("_s + reason +
                             u").\r\nL'exemple est dessiné sans elle et la mise en page est enregistrée."_s}));
        QCOMPARE(env->program().fondQsl(), path);
        expectStored(env->store, {"Pose H1=30"});
        QCOMPARE(env->program().msgQslEnregistrees(), qint16(1));
        QTRY_VERIFY(!env->program().existingEditor());
        const ImageSurface& surface = surfaceOf(*env);
        QVERIFY(surface.image() != surface.background());
    }
};

QTEST_MAIN(TestMoveQsoWindow)
#include "tst_move_qso_window.moc"
