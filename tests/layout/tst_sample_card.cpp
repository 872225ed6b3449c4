#include "card/card_sequence.h"
#include "layout/layout_texts.h"
#include "layout/sample_card.h"
#include "settings/settings_store.h"
#include "support/recording_surface.h"
#include "support/test_environment.h"

#include <QTest>

using Printed = RecordingSurface::Printed;

// The editor's sample card: the box texts turned into the shared drawing sequence, drawn on a
// recording surface.
class TestSampleCard : public QObject
{
    Q_OBJECT
private slots:
    void defaultSampleInFrench();
    void defaultSampleInEnglish();
    void positionsAndSizesKeepTheirFractions();
    void coloursAndWidthsRoundHalvesToEven_data();
    void coloursAndWidthsRoundHalvesToEven();
    void untickedLineIsNotDrawn();
    void greyedSwitchCountsAsOff();
    void creditLineWeight_data();
    void creditLineWeight();
    void tickMarkSize_data();
    void tickMarkSize();
    void boxesThatCannotBeUsed_data();
    void boxesThatCannotBeUsed();
    void boxesAtTheEdgeOfTheirRange_data();
    void boxesAtTheEdgeOfTheirRange();

private:
    static LayoutTexts defaults();
    static RecordingSurface draw(const LayoutTexts& texts, bool french = true);
};

LayoutTexts TestSampleCard::defaults()
{
    TestEnvironment env;
    return readEditorTexts(env.store);
}

RecordingSurface TestSampleCard::draw(const LayoutTexts& texts, bool french)
{
    const SampleCard sample = sampleCard(texts, french);
    RecordingSurface surface;
    if (sample.error.isEmpty())
        drawCardSequence(surface, sample.card);
    return surface;
}

void TestSampleCard::defaultSampleInFrench()
{
    const QColor black(0, 0, 0);
    const QList<Printed> expected = {
        {"Pour", 12, 77, 12, false, black},
        {"Date", 33, 77, 12, false, black},
        {"Heure", 46, 77, 12, false, black},
        {"Bande", 60, 77, 12, false, black},
        {"Mode", 75, 77, 12, false, black},
        {"RST", 87, 77, 12, false, black},
        {"Via", 6, 91, 12, false, black},
        {"  F6XYZ", 5, 84, 13, true, black},
        {"18/11/19", 29, 84, 12, true, black},
        {"08:32", 46, 84, 12, true, black},
        {"  14 MHz", 56, 84, 12, true, black},
        {"CW", 76, 84, 12, true, black},
        {"599", 88, 84, 12, true, black},
        {"  F5QSL", 16, 91.5, 13, true, black},
        {"Merci pour le QSO", 40, 91, 13, false, black},
        {"Pse QSL  73", 69, 91, 13, false, black},
        {"ZELVANE_E_QSL", 89, 96, 6, false, black},
    };
    const RecordingSurface surface = draw(defaults());
    QCOMPARE(surface.printed(), expected);
    QVERIFY(surface.lines().isEmpty());
}

void TestSampleCard::defaultSampleInEnglish()
{
    const QStringList expected = {" To ", "Date",    "Time ",           "Band ",       "Mode",         "RST",
                                  "Via",  "  F6XYZ", "18/11/19",        "08:32",       "  14 MHz",     "CW",
                                  "599",  "  F5QSL", "Tks for the QSO", "Pse QSL  73", "ZELVANE_E_QSL"};
    QCOMPARE(draw(defaults(), false).printedTexts(), expected);
}

void TestSampleCard::positionsAndSizesKeepTheirFractions()
{
    TestEnvironment env;
    useFrenchNumberFormat();
    LayoutTexts texts = readEditorTexts(env.store);
    texts.setText(QStringLiteral("Pose H8"), QStringLiteral("12,5"));
    texts.setText(QStringLiteral("Pose V8"), QStringLiteral("12,1"));
    texts.setText(QStringLiteral("T Entete"), QStringLiteral("10,5"));
    const Printed pour = draw(texts).printed().at(0);
    QCOMPARE(pour.text, QStringLiteral("Pour"));
    QCOMPARE(pour.x, 12.5);
    // Read as a 32-bit real, as the sample does.
    QCOMPARE(pour.y, static_cast<double>(12.1f));
    QCOMPARE(pour.size, 10.5);
    // The default 91,5 of the via's vertical position is used as it is.
    QCOMPARE(draw(texts).printed().at(13).y, 91.5);
}

void TestSampleCard::coloursAndWidthsRoundHalvesToEven_data()
{
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QColor>("drawnColour");
    QTest::addColumn<int>("drawnWidth");
    QTest::newRow("12,5 and 1,5") << "12,5"
                                  << "1,5" << QColor(255, 0, 0) << 2;
    QTest::newRow("11,5 and 2,5") << "11,5"
                                  << "2,5" << QColor(255, 0, 0) << 2;
    QTest::newRow("13,4 and 3,6") << "13,4"
                                  << "3,6" << QColor(255, 0, 255) << 4;
}

void TestSampleCard::coloursAndWidthsRoundHalvesToEven()
{
    QFETCH(QString, colour);
    QFETCH(QString, width);
    QFETCH(QColor, drawnColour);
    QFETCH(int, drawnWidth);
    TestEnvironment env;
    useFrenchNumberFormat();
    LayoutTexts texts = readEditorTexts(env.store);
    texts.setText(QStringLiteral("Aff L6"), QStringLiteral("1"));
    texts.setText(QStringLiteral("Coul Li2"), colour);
    texts.setText(QStringLiteral("T Li2"), width);
    texts.setText(QStringLiteral("Pose H20"), QStringLiteral("10,5"));
    const RecordingSurface surface = draw(texts);
    QCOMPARE(surface.lines().size(), 1);
    const RecordingSurface::Drawn line = surface.lines().at(0);
    QCOMPARE(line.colour, drawnColour);
    QCOMPARE(line.width, drawnWidth);
    QCOMPARE(line.x1, 10.5);
    QCOMPARE(line.y1, 20.0);
    QCOMPARE(line.x2, 80.0);
    QCOMPARE(line.y2, 20.0);
}

void TestSampleCard::untickedLineIsNotDrawn()
{
    LayoutTexts texts = defaults();
    texts.setText(QStringLiteral("Aff L5"), QStringLiteral("1"));
    texts.setText(QStringLiteral("Aff L3"), QStringLiteral("0"));
    const RecordingSurface surface = draw(texts);
    QCOMPARE(surface.lines().size(), 1);
    QCOMPARE(surface.lines().at(0).y1, 10.0); // line no. 1, not no. 2
    QVERIFY(!surface.printedTexts().contains(QStringLiteral("Merci pour le QSO")));
    QVERIFY(!surface.printedTexts().contains(QStringLiteral("Pse QSL  73")));
    QVERIFY(surface.printedTexts().contains(QStringLiteral("Pour")));
}

void TestSampleCard::greyedSwitchCountsAsOff()
{
    LayoutTexts texts = defaults();
    texts.setText(QStringLiteral("Aff L1"), QStringLiteral("2"));
    const QStringList printed = draw(texts).printedTexts();
    QVERIFY(!printed.contains(QStringLiteral("Pour")));
    QVERIFY(printed.contains(QStringLiteral("  F6XYZ")));
}

void TestSampleCard::creditLineWeight_data()
{
    QTest::addColumn<QString>("switches"); // SL1 ... SL7
    QTest::addColumn<bool>("bold");
    QTest::newRow("only SL1 and SL2") << "1100000" << true;
    QTest::newRow("only SL2") << "0100000" << true;
    QTest::newRow("SL2 with both drawn lines") << "0100110" << true;
    QTest::newRow("everything off") << "0000000" << false;
    QTest::newRow("only SL1") << "1000000" << false;
    QTest::newRow("SL2 and SL3") << "0110000" << false;
    QTest::newRow("SL2 and SL4") << "0101000" << false;
    QTest::newRow("SL2 and SL7") << "0100001" << false;
}

void TestSampleCard::creditLineWeight()
{
    QFETCH(QString, switches);
    QFETCH(bool, bold);
    LayoutTexts texts = defaults();
    for (int line = 0; line < 7; ++line)
        texts.values[kFirstSwitchIndex + line] = switches.at(line);
    // The surface starts bold, as the export window leaves it.
    const RecordingSurface surface = draw(texts);
    const Printed credit = surface.printed().constLast();
    QCOMPARE(credit.text, QStringLiteral("ZELVANE_E_QSL"));
    QCOMPARE(credit.bold, bold);
    QCOMPARE(credit.size, 6.0);
    QCOMPARE(credit.x, 89.0);
    QCOMPARE(credit.y, 96.0);
    QCOMPARE(credit.colour, QColor(0, 0, 0));
}

void TestSampleCard::tickMarkSize_data()
{
    QTest::addColumn<QString>("switches");
    QTest::addColumn<double>("size");
    // Sizes: T Entete 21, T QSO 22, T Call 23, T Via 24, T Comment 25, T QSL 26.
    QTest::newRow("comment on") << "1111001" << 25.0;
    QTest::newRow("thanks on") << "1110001" << 26.0;
    QTest::newRow("values on, the sample has a via") << "1100001" << 24.0;
    QTest::newRow("headings only") << "1000001" << 21.0;
    QTest::newRow("none before it") << "0000001" << 12.0; // what the surface held
}

void TestSampleCard::tickMarkSize()
{
    QFETCH(QString, switches);
    QFETCH(double, size);
    LayoutTexts texts = defaults();
    for (int i = 0; i < 6; ++i)
        texts.values[kFirstSizeIndex + i] = QString::number(21 + i);
    for (int line = 0; line < 7; ++line)
        texts.values[kFirstSwitchIndex + line] = switches.at(line);
    texts.setText(QStringLiteral("Coul L7"), QStringLiteral("2"));
    const QList<Printed> printed = draw(texts).printed();
    const auto mark = std::find_if(printed.begin(), printed.end(), [](const Printed& p) { return p.text == "X"; });
    QVERIFY(mark != printed.end());
    QCOMPARE(mark->size, size);
    QCOMPARE(mark->bold, true);
    QCOMPARE(mark->colour, QColor(0, 128, 0));
    QCOMPARE(mark->x, 10.0);
}

void TestSampleCard::boxesThatCannotBeUsed_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString tail = QStringLiteral("\r\nRien n'a été dessiné ni enregistré.");
    QTest::newRow("position not a number")
        << "Pose H8"
        << "abc"
        << "Case PH8 (Pour, ligne entête, position H) : « abc » n'est pas un nombre." + tail;
    QTest::newRow("decimal point under a French format")
        << "Pose V15"
        << "91.5"
        << "Case PV15 (Via, ligne QSO, position V) : « 91.5 » n'est pas un nombre." + tail;
    QTest::newRow("empty position") << "Pose V22"
                                    << ""
                                    << "Case PV22 (X pour case à cocher, position V) : «  » n'est pas un nombre." +
                                           tail;
    QTest::newRow("size not a number") << "T Call"
                                       << "grand"
                                       << "Case PT3 (taille du Call) : « grand » n'est pas un nombre." + tail;
    QTest::newRow("size 0") << "T Call"
                            << "0"
                            << "Case PT3 (taille du Call) : la taille « 0 » doit être d'au moins 1." + tail;
    QTest::newRow("size below 1") << "T Comment"
                                  << "0,9"
                                  << "Case PT5 (taille du commentaire) : la taille « 0,9 » doit être d'au moins 1." +
                                         tail;
    QTest::newRow("line width 0")
        << "T Li1"
        << "0"
        << "Case PT7 (épaisseur de la ligne (N°1)) : l'épaisseur « 0 » doit être un nombre entier de 1 à 32767." + tail;
    QTest::newRow("line width rounding to 0")
        << "T Li2"
        << "0,5"
        << "Case PT8 (épaisseur de la ligne (N°2)) : l'épaisseur « 0,5 » doit être un nombre entier de 1 à 32767." +
               tail;
    QTest::newRow("line width beyond 16 bits")
        << "T Li2"
        << "40000"
        << "Case PT8 (épaisseur de la ligne (N°2)) : l'épaisseur « 40000 » doit être un nombre entier de 1 à 32767." +
               tail;
    QTest::newRow("colour 16") << "Coul L2"
                               << "16"
                               << "Case C2 (couleur de la ligne QSO) : « 16 » n'est pas un code de couleur de 0 à 15." +
                                      tail;
    QTest::newRow("colour rounding to 16")
        << "Coul L7"
        << "15,6"
        << "Case C7 (couleur du X pour case à cocher) : « 15,6 » n'est pas un code de couleur de 0 à 15." + tail;
    QTest::newRow("negative colour")
        << "Coul Li1"
        << "-1"
        << "Case C5 (couleur de la ligne (N°1)) : « -1 » n'est pas un code de couleur de 0 à 15." + tail;
    QTest::newRow("colour not a number")
        << "Coul L3"
        << "bleu"
        << "Case C3 (couleur des lignes Merci et Pse QSL) : « bleu » n'est pas un nombre." + tail;
}

void TestSampleCard::boxesThatCannotBeUsed()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, message);
    TestEnvironment env;
    useFrenchNumberFormat();
    LayoutTexts texts = readEditorTexts(env.store);
    // Checked whether or not the box's line is on.
    for (int line = 0; line < 7; ++line)
        texts.values[kFirstSwitchIndex + line] = QStringLiteral("0");
    texts.setText(key, text);
    QCOMPARE(sampleCard(texts, true).error, message);
}

void TestSampleCard::boxesAtTheEdgeOfTheirRange_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("colour 0") << "Coul L1"
                              << "0";
    QTest::newRow("colour 15") << "Coul L1"
                               << "15";
    QTest::newRow("colour rounding to 0") << "Coul L4"
                                          << "-0,4";
    QTest::newRow("colour rounding to 15") << "Coul L4"
                                           << "15,4";
    QTest::newRow("size 1") << "T QSO"
                            << "1";
    QTest::newRow("line width 1") << "T Li1"
                                  << "1";
    QTest::newRow("line width rounding to 1") << "T Li1"
                                              << "0,6";
    QTest::newRow("negative position") << "Pose H3"
                                       << "-20";
    QTest::newRow("position beyond the card") << "Pose V3"
                                              << "250,75";
    QTest::newRow("blanks around") << "Pose V3"
                                   << " 7 ";
}

void TestSampleCard::boxesAtTheEdgeOfTheirRange()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    TestEnvironment env;
    useFrenchNumberFormat();
    LayoutTexts texts = readEditorTexts(env.store);
    texts.setText(key, text);
    QCOMPARE(sampleCard(texts, true).error, QString());
}

QTEST_MAIN(TestSampleCard)
#include "tst_sample_card.moc"
