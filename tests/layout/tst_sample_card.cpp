#include "layout/card_sequence.h"
#include "layout/layout_texts.h"
#include "layout/sample_card.h"
#include "settings/settings_store.h"
#include "support/recording_surface.h"
#include "support/test_environment.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Printed = RecordingSurface::Printed;

namespace
{

// SL1 ... SL7 as the pattern says ("1100000": only SL1 and SL2).
void setSwitches(LayoutTexts& texts, const QString& pattern)
{
    for (int line = 1; line <= kSwitchCount; ++line)
        texts.values[layoutIndex(LayoutKind::Switch, line)] = pattern.at(line - 1);
}

RecordingSurface draw(const LayoutTexts& texts, bool french = true)
{
    const SampleCard sample = sampleCard(texts, french);
    RecordingSurface surface;
    if (sample.error.isEmpty())
        drawCardSequence(surface, sample.card);
    return surface;
}

} // namespace

// The editor's sample card: the box texts turned into the shared drawing sequence, drawn on a
// recording surface.
class TestSampleCard : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_; // restores the number format when it goes

    // The editor's texts on an empty store, in the number format in force.
    LayoutTexts defaults() const { return readEditorTexts(env_->store); }

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    void defaultSampleInFrench()
    {
        const QColor black(0, 0, 0);
        const QList<Printed> expected = {{"Pour", 12, 77, 12, false, black},
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
                                         {"ZELVANE", 89, 96, 6, false, black}};
        const RecordingSurface surface = draw(defaults());
        QCOMPARE(surface.printed(), expected);
        QVERIFY(surface.lines().isEmpty());
    }

    void defaultSampleInEnglish()
    {
        const QStringList expected = {" To ", "Date",    "Time ",           "Band ",       "Mode",     "RST",
                                      "Via",  "  F6XYZ", "18/11/19",        "08:32",       "  14 MHz", "CW",
                                      "599",  "  F5QSL", "Tks for the QSO", "Pse QSL  73", "ZELVANE"};
        QCOMPARE(draw(defaults(), false).printedTexts(), expected);
    }

    void positionsAndSizesKeepTheirFractions()
    {
        useFrenchNumberFormat();
        LayoutTexts texts = defaults();
        texts.setText(u"Pose H8"_s, u"12,5"_s);
        texts.setText(u"Pose V8"_s, u"12,1"_s);
        texts.setText(u"T Entete"_s, u"10,5"_s);
        const RecordingSurface surface = draw(texts);
        const Printed pour = surface.printed().at(0);
        QCOMPARE(pour.text, u"Pour"_s);
        QCOMPARE(pour.x, 12.5);
        QCOMPARE(pour.y, static_cast<double>(12.1f)); // read as a 32-bit real, as the sample does
        QCOMPARE(pour.size, 10.5);
        // The default 91,5 of the via's vertical position is used as it is.
        QCOMPARE(surface.printed().at(13).y, 91.5);
    }

    void coloursAndWidthsRoundHalvesToEven_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QColor>("drawnColour");
        QTest::addColumn<int>("drawnWidth");
        QTest::newRow("12,5 and 1,5") << u"12,5"_s << u"1,5"_s << QColor(255, 0, 0) << 2;
        QTest::newRow("11,5 and 2,5") << u"11,5"_s << u"2,5"_s << QColor(255, 0, 0) << 2;
        QTest::newRow("13,4 and 3,6") << u"13,4"_s << u"3,6"_s << QColor(255, 0, 255) << 4;
    }

    void coloursAndWidthsRoundHalvesToEven()
    {
        QFETCH(QString, colour);
        QFETCH(QString, width);
        QFETCH(QColor, drawnColour);
        QFETCH(int, drawnWidth);
        useFrenchNumberFormat();
        LayoutTexts texts = defaults();
        texts.setText(u"Aff L6"_s, u"1"_s);
        texts.setText(u"Coul Li2"_s, colour);
        texts.setText(u"T Li2"_s, width);
        texts.setText(u"Pose H20"_s, u"10,5"_s);
        const QList<RecordingSurface::Drawn> expected = {{10.5, 20, 80, 20, drawnWidth, drawnColour}};
        QCOMPARE(draw(texts).lines(), expected);
    }

    // Only ticked lines are drawn: a greyed switch counts as off.
    void onlyTickedLinesAreDrawn()
    {
        LayoutTexts texts = defaults();
        texts.setText(u"Aff L1"_s, u"2"_s);
        texts.setText(u"Aff L3"_s, u"0"_s);
        texts.setText(u"Aff L5"_s, u"1"_s);
        const RecordingSurface surface = draw(texts);
        QCOMPARE(surface.lines().size(), 1);
        QCOMPARE(surface.lines().at(0).y1, 10.0); // line no. 1, not no. 2
        QCOMPARE(surface.printedTexts(),
                 (QStringList{"  F6XYZ", "18/11/19", "08:32", "  14 MHz", "CW", "599", "  F5QSL", "ZELVANE"}));
    }

    // The surface starts bold, as the export window leaves it; the credit line has no weight of its own.
    void creditLineWeight_data()
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

    void creditLineWeight()
    {
        QFETCH(QString, switches);
        QFETCH(bool, bold);
        LayoutTexts texts = defaults();
        setSwitches(texts, switches);
        const Printed credit = draw(texts).printed().constLast();
        QCOMPARE(credit, (Printed{"ZELVANE", 89, 96, 6, bold, QColor(0, 0, 0)}));
    }

    // Sizes: T Entete 21, T QSO 22, T Call 23, T Via 24, T Comment 25, T QSL 26.
    void tickMarkSize_data()
    {
        QTest::addColumn<QString>("switches");
        QTest::addColumn<double>("size");
        QTest::newRow("comment on") << "1111001" << 25.0;
        QTest::newRow("thanks on") << "1110001" << 26.0;
        QTest::newRow("values on, the sample has a via") << "1100001" << 24.0;
        QTest::newRow("headings only") << "1000001" << 21.0;
        QTest::newRow("none before it") << "0000001" << 12.0; // what the surface held
    }

    void tickMarkSize()
    {
        QFETCH(QString, switches);
        QFETCH(double, size);
        LayoutTexts texts = defaults();
        for (int n = 1; n <= kTextSizeCount; ++n)
            texts.values[layoutIndex(LayoutKind::Size, n)] = QString::number(20 + n);
        setSwitches(texts, switches);
        texts.setText(u"Coul L7"_s, u"2"_s);
        const QList<Printed> printed = draw(texts).printed();
        const auto mark = std::find_if(printed.begin(), printed.end(), [](const Printed& p) { return p.text == "X"; });
        QVERIFY(mark != printed.end());
        QCOMPARE(*mark, (Printed{"X", 10, 10, size, true, QColor(0, 128, 0)}));
    }

    // Checked whether or not the box's line is on.
    void boxesThatCannotBeUsed_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, const char* key, const QString& text, const QString& message) {
            QTest::newRow(tag) << key << text << message + u"\r\nRien n'a été dessiné ni enregistré."_s;
        };
        const auto notANumber = [](const QString& box, const QString& text) {
            return u"Case %1 : « %2 » n'est pas un nombre."_s.arg(box, text);
        };
        const auto size = [](const QString& box, const QString& text) {
            return u"Case %1 : la taille « %2 » doit être d'au moins 1."_s.arg(box, text);
        };
        const auto width = [](const QString& box, const QString& text) {
            return u"Case %1 : l'épaisseur « %2 » doit être un nombre entier de 1 à 32767."_s.arg(box, text);
        };
        const auto range = [](const QString& box, const QString& text) {
            return u"Case %1 : « %2 » doit être un nombre de -32768 à 32767."_s.arg(box, text);
        };
        const auto colour = [](const QString& box, const QString& text) {
            return u"Case %1 : « %2 » n'est pas un code de couleur de 0 à 15."_s.arg(box, text);
        };
        row("position not a number", "Pose H8", "abc", notANumber("PH8 (Pour, ligne entête, position H)", "abc"));
        row("decimal point under a French format", "Pose V15", "91.5",
            notANumber("PV15 (Via, ligne QSO, position V)", "91.5"));
        row("empty position", "Pose V22", "", notANumber("PV22 (X pour case à cocher, position V)", ""));
        // Cards carry 16-bit values: what would not fit is refused where it is typed.
        row("position beyond 16 bits", "Pose H1", "40000", range("PH1 (Call, ligne QSO, position H)", "40000"));
        row("position rounding beyond 16 bits", "Pose V2", "-32768,6",
            range("PV2 (Date, ligne QSO, position V)", "-32768,6"));
        row("size beyond 16 bits", "T QSO", "1e30", range("PT2 (taille de la ligne QSO)", "1e30"));
        row("size not a number", "T Call", "grand", notANumber("PT3 (taille du Call)", "grand"));
        row("size 0", "T Call", "0", size("PT3 (taille du Call)", "0"));
        row("size below 1", "T Comment", "0,9", size("PT5 (taille du commentaire)", "0,9"));
        row("line width 0", "T Li1", "0", width("PT7 (épaisseur de la ligne (N°1))", "0"));
        row("line width rounding to 0", "T Li2", "0,5", width("PT8 (épaisseur de la ligne (N°2))", "0,5"));
        row("line width beyond 16 bits", "T Li2", "40000", width("PT8 (épaisseur de la ligne (N°2))", "40000"));
        row("colour 16", "Coul L2", "16", colour("C2 (couleur de la ligne QSO)", "16"));
        row("colour rounding to 16", "Coul L7", "15,6", colour("C7 (couleur du X pour case à cocher)", "15,6"));
        row("negative colour", "Coul Li1", "-1", colour("C5 (couleur de la ligne (N°1))", "-1"));
        row("colour not a number", "Coul L3", "bleu", notANumber("C3 (couleur des lignes Merci et Pse QSL)", "bleu"));
    }

    void boxesThatCannotBeUsed()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, message);
        useFrenchNumberFormat();
        LayoutTexts texts = defaults();
        setSwitches(texts, u"0000000"_s);
        texts.setText(key, text);
        QCOMPARE(sampleCard(texts, true).error, message);
    }

    void boxesAtTheEdgeOfTheirRange_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* tag, const char* key, const char* text) { QTest::newRow(tag) << key << text; };
        row("colour 0", "Coul L1", "0");
        row("colour 15", "Coul L1", "15");
        row("colour rounding to 0", "Coul L4", "-0,4");
        row("colour rounding to 15", "Coul L4", "15,4");
        row("size 1", "T QSO", "1");
        row("line width 1", "T Li1", "1");
        row("line width rounding to 1", "T Li1", "0,6");
        row("negative position", "Pose H3", "-20");
        row("position rounding to -32768", "Pose H3", "-32768,5");
        row("size rounding to 32767", "T QSO", "32767,4");
        row("position beyond the card", "Pose V3", "250,75");
        row("blanks around", "Pose V3", " 7 ");
    }

    void boxesAtTheEdgeOfTheirRange()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        useFrenchNumberFormat();
        LayoutTexts texts = defaults();
        texts.setText(key, text);
        QCOMPARE(sampleCard(texts, true).error, QString());
    }
};

QTEST_MAIN(TestSampleCard)
#include "tst_sample_card.moc"
