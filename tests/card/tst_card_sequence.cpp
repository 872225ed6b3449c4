// The drawing of one card, checked operation by operation on a recording surface.

#include "card/card_composer.h"
#include "card/card_sequence.h"
#include "card/card_texts.h"
#include "layout/card_layout.h"
#include "layout/palette.h"
#include "support/recording_surface.h"
#include "support/test_environment.h"

#include <QtTest>

namespace
{

using Printed = RecordingSurface::Printed;

// Operations written out, so that a whole sequence compares as a list of texts.
QString describe(const RecordingSurface::Operation& op)
{
    using Kind = RecordingSurface::Kind;
    switch (op.kind) {
    case Kind::LoadPicture: return QStringLiteral("load ") + op.text;
    case Kind::Colour: return QStringLiteral("colour ") + op.colour.name();
    case Kind::Bold: return op.bold ? QStringLiteral("bold") : QStringLiteral("regular");
    case Kind::TextSize: return QStringLiteral("size %1").arg(op.number);
    case Kind::LineWidth: return QStringLiteral("width %1").arg(op.number);
    case Kind::Position: return QStringLiteral("at %1,%2").arg(op.x1).arg(op.y1);
    case Kind::Print: return QStringLiteral("print [") + op.text + QLatin1Char(']');
    case Kind::Line: return QStringLiteral("line %1,%2 %3,%4").arg(op.x1).arg(op.y1).arg(op.x2).arg(op.y2);
    case Kind::Clear: return QStringLiteral("clear");
    case Kind::Save: return QStringLiteral("save ") + op.text;
    }
    return {};
}

QStringList describe(const RecordingSurface& surface)
{
    QStringList list;
    for (const auto& op : surface.operations())
        list.append(describe(op));
    return list;
}

// A QSO as the export cuts it from a picked line.
CardFields qso(const QString& qslReceived = QStringLiteral("Non"), const QString& via = QStringLiteral("           "))
{
    return {QStringLiteral("   F4XYZ"),
            QStringLiteral("15/03/24"),
            QStringLiteral("14:05"),
            QStringLiteral("  14 Mhz"),
            QStringLiteral("SSB    "),
            QStringLiteral("59      "),
            qslReceived,
            via};
}

const QString kVia = QStringLiteral("   F6ABC");
const QColor kBlack(0, 0, 0);

// Switches of card lines 1 to 7 from a text such as "1100001".
void setSwitches(CardLayout& layout, const QString& switches)
{
    for (int line = 1; line <= 7; ++line)
        layout.setValue(kSwitchKeys[static_cast<size_t>(line - 1)],
                        switches[line - 1] == QLatin1Char('1') ? qint16(1) : qint16(0));
}

// Distinct text sizes, so that each size tells where it came from.
void setDistinctSizes(CardLayout& layout)
{
    layout.setValue(QStringLiteral("T Entete"), 11);
    layout.setValue(QStringLiteral("T QSO"), 12);
    layout.setValue(QStringLiteral("T Call"), 13);
    layout.setValue(QStringLiteral("T Via"), 14);
    layout.setValue(QStringLiteral("T Comment"), 15);
    layout.setValue(QStringLiteral("T QSL"), 16);
}

const Printed* findPrinted(const QList<Printed>& printed, const QString& text)
{
    for (const Printed& p : printed)
        if (p.text == text)
            return &p;
    return nullptr;
}

} // namespace

class TestCardSequence : public QObject
{
    Q_OBJECT

    CardLayout exportLayout()
    {
        CardLayout layout;
        layout.load(env_->store, LayoutReader::Export);
        return layout;
    }

    std::unique_ptr<TestEnvironment> env_;

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    // An empty store: headings, values and thanks only, black, on the rows 77, 84 and 91 %.
    void emptyStoreDrawsTheThreeFirstLines()
    {
        RecordingSurface surface;
        CardComposer(exportLayout(), QStringLiteral("un commentaire")).draw(surface, qso(), true);

        // clang-format off
        const QStringList expected = {
            "colour #000000",
            "regular", "size 12",
            "at 12,77", "print [Pour]", "at 33,77", "print [Date]", "at 46,77", "print [Heure]",
            "at 60,77", "print [Bande]", "at 75,77", "print [Mode]", "at 87,77", "print [RST]",
            "colour #000000", "bold", "size 13",
            "at 5,84", "print [   F4XYZ]",
            "size 12",
            "at 29,84", "print [15/03/24]", "at 46,84", "print [14:05]", "at 56,84", "print [  14 Mhz]",
            "at 76,84", "print [SSB    ]", "at 88,84", "print [59      ]",
            "colour #000000", "regular", "size 13",
            "at 40,91", "print [Merci pour le QSO]", "at 69,91", "print [Pse QSL  73]",
            "colour #000000", "size 6", "at 89,96", "print [ZELVANE_E_QSL]",
        };
        // clang-format on
        QCOMPARE(describe(surface), expected);
        for (const Printed& p : surface.printed())
            QCOMPARE(p.colour, kBlack);
        QVERIFY(surface.lines().isEmpty());
    }

    void everyLineOnInOrder()
    {
        CardLayout layout = exportLayout();
        setSwitches(layout, QStringLiteral("1111111"));
        for (int line = 1; line <= 7; ++line)
            layout.setValue(kColourKeys[static_cast<size_t>(line - 1)], qint16(line + 8));
        layout.setValue(QStringLiteral("T Li1"), 3);
        layout.setValue(QStringLiteral("T Li2"), 5);
        layout.setValue(QStringLiteral("Pose V21"), 30);
        RecordingSurface surface;
        CardComposer(layout, QStringLiteral("Beau temps")).draw(surface, qso(QStringLiteral("Oui"), kVia), false);

        // clang-format off
        const QStringList expected = {
            "colour #0000ff",
            "regular", "size 12",
            "at 12,77", "print [ To ]", "at 33,77", "print [Date ]", "at 46,77", "print [Time ]",
            "at 60,77", "print [Band ]", "at 75,77", "print [Mode]", "at 87,77", "print [RST]",
            "at 8,92", "print [Via]",
            "colour #00ff00", "bold", "size 13",
            "at 5,84", "print [   F4XYZ]",
            "size 12",
            "at 29,84", "print [15/03/24]", "at 46,84", "print [14:05]", "at 56,84", "print [  14 Mhz]",
            "at 76,84", "print [SSB    ]", "at 88,84", "print [59      ]",
            "bold", "size 13", "at 14,92", "print [   F6ABC]",
            "colour #00ffff", "regular", "size 13",
            "at 40,91", "print [Tks for the QSO]", "at 69,91", "print [and the QSL  73]",
            "colour #ff0000", "size 13", "regular", "at 49,70", "print [Beau temps]",
            "width 3", "colour #ff00ff", "line 10,10 80,10",
            "width 5", "colour #ffff00", "line 10,10 80,30",
            "bold", "colour #ffffff", "at 10,10", "print [X]", "regular",
            "colour #000000", "size 6", "at 89,96", "print [ZELVANE_E_QSL]",
        };
        // clang-format on
        QCOMPARE(describe(surface), expected);
        QCOMPARE(surface.lines().size(), 2);
        QCOMPARE(surface.lines()[0].width, 3);
        QCOMPARE(surface.lines()[1].width, 5);
    }

    // The headings' colour is set even when the headings are off.
    void headingColourSetWhenHeadingsOff()
    {
        CardLayout layout = exportLayout();
        setSwitches(layout, QStringLiteral("0000000"));
        layout.setValue(QStringLiteral("Coul L1"), 4);
        RecordingSurface surface;
        CardComposer(layout, QString()).draw(surface, qso(), true);
        QCOMPARE(describe(surface).first(), QStringLiteral("colour #800000"));
    }

    void fixedTexts_data()
    {
        QTest::addColumn<bool>("french");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("French") << true << QStringList{"Pour",       "Date", "Heure", "Bande",
                                                       "Mode",       "RST",  "Via",   "Merci pour le QSO",
                                                       "Pse QSL  73"};
        QTest::newRow("English") << false << QStringList{" To ", "Date ", "Time ",           "Band ",      "Mode",
                                                         "RST",  "Via",   "Tks for the QSO", "Pse QSL  73"};
    }

    void fixedTexts()
    {
        QFETCH(bool, french);
        QFETCH(QStringList, texts);
        CardLayout layout = exportLayout();
        setSwitches(layout, QStringLiteral("1010000"));
        RecordingSurface surface;
        CardComposer(layout, QString()).draw(surface, qso(QStringLiteral("Non"), kVia), french);
        texts.append(kCreditLine);
        QCOMPARE(surface.printedTexts(), texts);
    }

    void thanksByQslReceived_data()
    {
        QTest::addColumn<bool>("french");
        QTest::addColumn<QString>("qslReceived");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        const QString fr1 = QStringLiteral("Merci pour le QSO");
        const QString en1 = QStringLiteral("Tks for the QSO");
        const QString pending = QStringLiteral("Pse QSL  73");
        QTest::newRow("fr Oui") << true << "Oui" << fr1 << "et la QSL  73";
        QTest::newRow("fr oui") << true << "oui" << fr1 << pending;
        QTest::newRow("fr OUI") << true << "OUI" << fr1 << pending;
        QTest::newRow("fr Non") << true << "Non" << fr1 << pending;
        QTest::newRow("fr blank") << true << "   " << fr1 << pending;
        QTest::newRow("fr empty") << true << "" << fr1 << pending;
        QTest::newRow("en Oui") << false << "Oui" << en1 << "and the QSL  73";
        QTest::newRow("en oui") << false << "oui" << en1 << pending;
        QTest::newRow("en Non") << false << "Non" << en1 << pending;
        QTest::newRow("en blank") << false << "   " << en1 << pending;
    }

    void thanksByQslReceived()
    {
        QFETCH(bool, french);
        QFETCH(QString, qslReceived);
        QFETCH(QString, first);
        QFETCH(QString, second);
        RecordingSurface surface;
        CardComposer(exportLayout(), QString()).draw(surface, qso(qslReceived), french);
        const Printed* p1 = findPrinted(surface.printed(), first);
        const Printed* p2 = findPrinted(surface.printed(), second);
        QVERIFY(p1);
        QVERIFY(p2);
        QCOMPARE(QPointF(p1->x, p1->y), QPointF(40, 91));
        QCOMPARE(QPointF(p2->x, p2->y), QPointF(69, 91));
        QCOMPARE(p1->size, 13.0);
        QVERIFY(!p1->bold);
    }

    void viaOnlyForAQsoWithAVia_data()
    {
        QTest::addColumn<QString>("via");
        QTest::addColumn<QString>("switches");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<bool>("value");
        QTest::newRow("via, headings and values") << kVia << "1100000" << true << true;
        QTest::newRow("via, headings only") << kVia << "1000000" << true << false;
        QTest::newRow("via, values only") << kVia << "0100000" << false << true;
        QTest::newRow("via, neither") << kVia << "0010000" << false << false;
        QTest::newRow("blank via, both on") << "           "
                                            << "1100000" << false << false;
        QTest::newRow("empty via, both on") << ""
                                            << "1100000" << false << false;
    }

    void viaOnlyForAQsoWithAVia()
    {
        QFETCH(QString, via);
        QFETCH(QString, switches);
        QFETCH(bool, heading);
        QFETCH(bool, value);
        CardLayout layout = exportLayout();
        setSwitches(layout, switches);
        setDistinctSizes(layout);
        RecordingSurface surface;
        CardComposer(layout, QString()).draw(surface, qso(QStringLiteral("Non"), via), true);

        const Printed* viaHeading = findPrinted(surface.printed(), QStringLiteral("Via"));
        QCOMPARE(viaHeading != nullptr, heading);
        if (viaHeading) {
            QCOMPARE(QPointF(viaHeading->x, viaHeading->y), QPointF(8, 92));
            QCOMPARE(viaHeading->size, 11.0);
            QVERIFY(!viaHeading->bold);
        }
        const Printed* viaValue = findPrinted(surface.printed(), kVia);
        QCOMPARE(viaValue != nullptr, value);
        if (viaValue) {
            QCOMPARE(QPointF(viaValue->x, viaValue->y), QPointF(14, 92));
            QCOMPARE(viaValue->size, 14.0);
            QVERIFY(viaValue->bold);
        }
    }

    void allSwitchesOffLeavesTheCreditLine()
    {
        CardLayout layout = exportLayout();
        setSwitches(layout, QStringLiteral("0000000"));
        RecordingSurface surface;
        CardComposer(layout, QStringLiteral("commentaire")).draw(surface, qso(QStringLiteral("Oui"), kVia), true);
        QCOMPARE(surface.printed().size(), 1);
        const Printed& credit = surface.printed().first();
        QCOMPARE(credit.text, kCreditLine);
        QCOMPARE(QPointF(credit.x, credit.y), QPointF(89, 96));
        QCOMPARE(credit.size, 6.0);
        QCOMPARE(credit.colour, kBlack);
        QVERIFY(surface.lines().isEmpty());
    }

    // The "X" has no size of its own: it takes the size left by the earlier steps.
    void tickMarkSize_data()
    {
        QTest::addColumn<QString>("switches");
        QTest::addColumn<QString>("via");
        QTest::addColumn<double>("firstCard");
        QTest::addColumn<double>("nextCard");
        QTest::newRow("comment on") << "1111001" << kVia << 15.0 << 15.0;
        QTest::newRow("comment alone") << "0001001"
                                       << "" << 15.0 << 15.0;
        QTest::newRow("thanks, no comment") << "1110001" << kVia << 16.0 << 16.0;
        QTest::newRow("values with via") << "1100001" << kVia << 14.0 << 14.0;
        QTest::newRow("values without via") << "1100001"
                                            << "" << 12.0 << 12.0;
        QTest::newRow("headings only") << "1000001" << kVia << 11.0 << 11.0;
        QTest::newRow("none of 1 to 4") << "0000111" << kVia << 12.0 << 6.0;
    }

    void tickMarkSize()
    {
        QFETCH(QString, switches);
        QFETCH(QString, via);
        QFETCH(double, firstCard);
        QFETCH(double, nextCard);
        CardLayout layout = exportLayout();
        setSwitches(layout, switches);
        setDistinctSizes(layout);
        const CardComposer composer(layout, QString());
        RecordingSurface surface;
        QList<double> sizes;
        for (int card = 0; card < 2; ++card) {
            surface.forget();
            composer.draw(surface, qso(QStringLiteral("Non"), via), true);
            surface.clear();
            const Printed* mark = findPrinted(surface.printed(), kTickMark);
            QVERIFY(mark);
            QVERIFY(mark->bold);
            QCOMPARE(QPointF(mark->x, mark->y), QPointF(10, 10));
            sizes.append(mark->size);
        }
        QCOMPARE(sizes, (QList<double>{firstCard, nextCard}));
        QVERIFY(!surface.bold()); // the mark switches bold off behind it
    }

    // The credit line has no weight of its own.
    void creditLineWeight_data()
    {
        QTest::addColumn<QString>("switches");
        QTest::addColumn<bool>("boldBefore");
        QTest::addColumn<bool>("bold");
        QTest::newRow("X mark") << "1100001" << true << false;
        QTest::newRow("X mark alone") << "0000001" << true << false;
        QTest::newRow("comment") << "0101000" << true << false;
        QTest::newRow("thanks") << "1110000" << true << false;
        QTest::newRow("values only") << "0100000" << true << true;
        QTest::newRow("headings and values") << "1100000" << false << true;
        QTest::newRow("values and lines") << "0100110" << false << true;
        QTest::newRow("headings only") << "1000000" << true << false;
        QTest::newRow("none, fresh surface") << "0000000" << true << true;
        QTest::newRow("none, regular left") << "0000110" << false << false;
    }

    void creditLineWeight()
    {
        QFETCH(QString, switches);
        QFETCH(bool, boldBefore);
        QFETCH(bool, bold);
        CardLayout layout = exportLayout();
        setSwitches(layout, switches);
        RecordingSurface surface;
        surface.setBold(boldBefore);
        CardComposer(layout, QStringLiteral("c")).draw(surface, qso(QStringLiteral("Non"), kVia), true);
        const Printed& credit = surface.printed().last();
        QCOMPARE(credit.text, kCreditLine);
        QCOMPARE(credit.bold, bold);
    }

    // Each card line prints in its own palette colour, and the lines take theirs.
    void coloursByCardLine()
    {
        CardLayout layout = exportLayout();
        setSwitches(layout, QStringLiteral("1111111"));
        const std::array<int, 7> codes = {1, 2, 3, 5, 6, 8, 14};
        for (size_t i = 0; i < codes.size(); ++i)
            layout.setValue(kColourKeys[i], qint16(codes[i]));
        RecordingSurface surface;
        CardComposer(layout, QStringLiteral("comm")).draw(surface, qso(QStringLiteral("Non"), kVia), true);
        const auto colourOf = [&](const QString& text) { return findPrinted(surface.printed(), text)->colour; };
        QCOMPARE(colourOf(QStringLiteral("Heure")), paletteColour(1));
        QCOMPARE(colourOf(QStringLiteral("Via")), paletteColour(1));
        QCOMPARE(colourOf(QStringLiteral("14:05")), paletteColour(2));
        QCOMPARE(colourOf(kVia), paletteColour(2));
        QCOMPARE(colourOf(QStringLiteral("Pse QSL  73")), paletteColour(3));
        QCOMPARE(colourOf(QStringLiteral("comm")), paletteColour(5));
        QCOMPARE(surface.lines()[0].colour, paletteColour(6));
        QCOMPARE(surface.lines()[1].colour, paletteColour(8));
        QCOMPARE(colourOf(kTickMark), paletteColour(14));
        QCOMPARE(colourOf(kCreditLine), kBlack);
    }

    // Positions come from the layout, item by item.
    void positionsFromTheLayout()
    {
        CardLayout layout = exportLayout();
        setSwitches(layout, QStringLiteral("1111001"));
        for (int n = 1; n <= 22; ++n) {
            layout.setValue(positionKey('H', n), qint16(n));
            layout.setValue(positionKey('V', n), qint16(100 - n));
        }
        RecordingSurface surface;
        CardComposer(layout, QStringLiteral("comm")).draw(surface, qso(QStringLiteral("Oui"), kVia), true);
        const QList<QPair<QString, int>> items = {{"   F4XYZ", 1},
                                                  {"15/03/24", 2},
                                                  {"14:05", 3},
                                                  {"  14 Mhz", 4},
                                                  {"SSB    ", 5},
                                                  {"59      ", 6},
                                                  {"Merci pour le QSO", 7},
                                                  {"Pour", 8},
                                                  {"Date", 9},
                                                  {"Heure", 10},
                                                  {"Bande", 11},
                                                  {"Mode", 12},
                                                  {"RST", 13},
                                                  {"Via", 14},
                                                  {kVia, 15},
                                                  {"comm", 16},
                                                  {"et la QSL  73", 17},
                                                  {"X", 22}};
        for (const auto& [text, n] : items) {
            const Printed* p = findPrinted(surface.printed(), text);
            QVERIFY2(p, qPrintable(text));
            QCOMPARE(QPointF(p->x, p->y), QPointF(n, 100 - n));
        }
    }

    // The editor's sample goes through the same sequence with its own differences.
    void sampleDifferences()
    {
        CardSequence card;
        card.h.fill(50);
        card.v.fill(50);
        card.textSize.fill(10);
        card.lineWidth.fill(1);
        card.lineOn = {true, true, false, false, false, false, false};
        card.french = false;
        card.via = QString();

        RecordingSurface plain;
        drawCardSequence(plain, card);
        QVERIFY(plain.printedTexts().contains(QStringLiteral("Date ")));
        QVERIFY(!plain.printedTexts().contains(QStringLiteral("Via")));

        card.dateHeadingFrench = true;
        card.viaWhenLineOn = true;
        RecordingSurface sample;
        drawCardSequence(sample, card);
        QVERIFY(sample.printedTexts().contains(QStringLiteral("Date")));
        QVERIFY(!sample.printedTexts().contains(QStringLiteral("Date ")));
        QCOMPARE(sample.printedTexts().count(QStringLiteral("Via")), 1);
        QCOMPARE(sample.printed().size(), plain.printed().size() + 2); // heading "Via" and the via

        // With every line off, the sample's credit line is regular, a card's keeps the weight left.
        card.lineOn.fill(false);
        RecordingSurface cardOff;
        drawCardSequence(cardOff, card);
        QVERIFY(cardOff.printed().last().bold);
        card.boldOffBeforeHeadings = true;
        RecordingSurface sampleOff;
        drawCardSequence(sampleOff, card);
        QVERIFY(!sampleOff.printed().last().bold);
        QCOMPARE(describe(sampleOff.operations().at(1)), QStringLiteral("regular"));
    }

    // Bold goes off once, before the heading switch is tested, for the sample.
    void sampleBoldOffOnce()
    {
        CardSequence card;
        card.textSize.fill(10);
        card.lineOn = {true, false, false, false, false, false, false};
        card.boldOffBeforeHeadings = true;
        RecordingSurface surface;
        drawCardSequence(surface, card);
        QCOMPARE(describe(surface).mid(0, 3),
                 (QStringList{QStringLiteral("colour #000000"), QStringLiteral("regular"), QStringLiteral("size 10")}));
    }
};

QTEST_MAIN(TestCardSequence)
#include "tst_card_sequence.moc"
