// The drawing of one card, checked operation by operation on a recording surface.

#include "card/card_composer.h"
#include "layout/card_layout.h"
#include "layout/card_sequence.h"
#include "layout/card_texts.h"
#include "support/recording_surface.h"
#include "support/test_environment.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace
{

using Printed = RecordingSurface::Printed;

// Operations written out, so that a whole sequence compares as a list of texts.
QString describe(const RecordingSurface::Operation& op)
{
    using Kind = RecordingSurface::Kind;
    switch (op.kind) {
    case Kind::LoadPicture: return u"load "_s + op.text;
    case Kind::Colour: return u"colour "_s + op.colour.name();
    case Kind::Bold: return op.bold ? u"bold"_s : u"regular"_s;
    case Kind::TextSize: return u"size %1"_s.arg(op.number);
    case Kind::LineWidth: return u"width %1"_s.arg(op.number);
    case Kind::Position: return u"at %1,%2"_s.arg(op.x1).arg(op.y1);
    case Kind::Print: return u"print ["_s + op.text + u']';
    case Kind::Line: return u"line %1,%2 %3,%4"_s.arg(op.x1).arg(op.y1).arg(op.x2).arg(op.y2);
    case Kind::Clear: return u"clear"_s;
    case Kind::Save: return u"save "_s + op.text;
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

// How the text was first printed ("at 8,92 size 11 regular #000000"), or "not printed".
QString printedAs(const RecordingSurface& surface, const QString& text)
{
    for (const Printed& p : surface.printed())
        if (p.text == text)
            return u"at %1,%2 size %3 %4 %5"_s.arg(p.x).arg(p.y).arg(p.size).arg(p.bold ? "bold" : "regular",
                                                                                 p.colour.name());
    return u"not printed"_s;
}

const QString kVia = u"   F6ABC"_s;

// A QSO as the export cuts it from a picked line.
CardFields qso(const QString& qslReceived = u"Non"_s, const QString& via = u"           "_s)
{
    return {u"   F4XYZ"_s, u"15/03/24"_s, u"14:05"_s, u"  14 Mhz"_s, u"SSB    "_s, u"59      "_s, qslReceived, via};
}

// Switches of card lines 1 to 7 from a text such as "1100001".
void setSwitches(CardLayout& layout, const QString& switches)
{
    for (int line = 1; line <= 7; ++line)
        layout.setAt(layoutIndex(LayoutKind::Switch, line), switches[line - 1] == u'1' ? 1 : 0);
}

// Distinct text sizes, so that each size tells where it came from.
void setDistinctSizes(CardLayout& layout)
{
    qint16 size = 11;
    for (const char* key : {"T Entete", "T QSO", "T Call", "T Via", "T Comment", "T QSL"})
        layout.setValue(QLatin1String(key), size++);
}

RecordingSurface draw(const CardLayout& layout, const QString& comment, const CardFields& fields, bool french = true)
{
    RecordingSurface surface;
    CardComposer(layout, comment).draw(surface, fields, french);
    return surface;
}

} // namespace

class TestCardSequence : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

    // The layout the export window reads from an empty store, with the switches given.
    CardLayout exportLayout(const QString& switches = {})
    {
        CardLayout layout;
        layout.load(env_->store, LayoutReader::Export);
        if (!switches.isEmpty())
            setSwitches(layout, switches);
        return layout;
    }

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    // An empty store: headings, values and thanks only, black, on the rows 77, 84 and 91 %.
    void emptyStoreDrawsTheThreeFirstLines()
    {
        const RecordingSurface surface = draw(exportLayout(), u"un commentaire"_s, qso());
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
            "colour #000000", "size 6", "at 89,96", "print [ZELVANE]",
        };
        // clang-format on
        QCOMPARE(describe(surface), expected);
    }

    // Each card line in its own palette colour, in the composer's order.
    void everyLineOnInOrder()
    {
        CardLayout layout = exportLayout(u"1111111"_s);
        for (int line = 1; line <= 7; ++line)
            layout.setAt(layoutIndex(LayoutKind::Colour, line), qint16(line + 8));
        layout.setValue(u"T Li1"_s, 3);
        layout.setValue(u"T Li2"_s, 5);
        layout.setValue(u"Pose V21"_s, 30);
        const RecordingSurface surface = draw(layout, u"Beau temps"_s, qso(u"Oui"_s, kVia), false);
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
            "colour #000000", "size 6", "at 89,96", "print [ZELVANE]",
        };
        // clang-format on
        QCOMPARE(describe(surface), expected);
    }

    // The headings' colour is set even when the headings are off.
    void allSwitchesOffLeavesTheCreditLine()
    {
        CardLayout layout = exportLayout(u"0000000"_s);
        layout.setValue(u"Coul L1"_s, 4);
        const RecordingSurface surface = draw(layout, u"commentaire"_s, qso(u"Oui"_s, kVia));
        QCOMPARE(describe(surface),
                 (QStringList{"colour #800000", "colour #000000", "size 6", "at 89,96", "print [ZELVANE]"}));
    }

    void thanksByQslReceived_data()
    {
        QTest::addColumn<bool>("french");
        QTest::addColumn<QString>("qslReceived");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        const QString fr = u"Merci pour le QSO"_s;
        const QString en = u"Tks for the QSO"_s;
        const QString pending = u"Pse QSL  73"_s;
        QTest::newRow("fr Oui") << true << u"Oui"_s << fr << u"et la QSL  73"_s;
        QTest::newRow("fr oui") << true << u"oui"_s << fr << pending;
        QTest::newRow("fr OUI") << true << u"OUI"_s << fr << pending;
        QTest::newRow("fr Non") << true << u"Non"_s << fr << pending;
        QTest::newRow("fr blank") << true << u"   "_s << fr << pending;
        QTest::newRow("fr empty") << true << u""_s << fr << pending;
        QTest::newRow("en Oui") << false << u"Oui"_s << en << u"and the QSL  73"_s;
        QTest::newRow("en oui") << false << u"oui"_s << en << pending;
        QTest::newRow("en Non") << false << u"Non"_s << en << pending;
        QTest::newRow("en blank") << false << u"   "_s << en << pending;
    }

    void thanksByQslReceived()
    {
        QFETCH(bool, french);
        QFETCH(QString, qslReceived);
        QFETCH(QString, first);
        QFETCH(QString, second);
        const RecordingSurface surface = draw(exportLayout(), QString(), qso(qslReceived), french);
        QCOMPARE(printedAs(surface, first), u"at 40,91 size 13 regular #000000"_s);
        QCOMPARE(printedAs(surface, second), u"at 69,91 size 13 regular #000000"_s);
    }

    void viaOnlyForAQsoWithAVia_data()
    {
        QTest::addColumn<QString>("via");
        QTest::addColumn<QString>("switches");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<bool>("value");
        const auto row = [](const char* tag, const QString& via, const char* switches, bool heading, bool value) {
            QTest::newRow(tag) << via << switches << heading << value;
        };
        row("via, headings and values", kVia, "1100000", true, true);
        row("via, headings only", kVia, "1000000", true, false);
        row("via, values only", kVia, "0100000", false, true);
        row("via, neither", kVia, "0010000", false, false);
        row("blank via, both on", u"           "_s, "1100000", false, false);
        row("empty via, both on", u""_s, "1100000", false, false);
    }

    void viaOnlyForAQsoWithAVia()
    {
        QFETCH(QString, via);
        QFETCH(QString, switches);
        QFETCH(bool, heading);
        QFETCH(bool, value);
        CardLayout layout = exportLayout(switches);
        setDistinctSizes(layout);
        const RecordingSurface surface = draw(layout, QString(), qso(u"Non"_s, via));
        QCOMPARE(printedAs(surface, u"Via"_s), heading ? u"at 8,92 size 11 regular #000000"_s : u"not printed"_s);
        QCOMPARE(printedAs(surface, kVia), value ? u"at 14,92 size 14 bold #000000"_s : u"not printed"_s);
    }

    // The "X" has no size of its own: it takes the size left by the earlier steps, on each card.
    void tickMarkSize_data()
    {
        QTest::addColumn<QString>("switches");
        QTest::addColumn<QString>("via");
        QTest::addColumn<double>("firstCard");
        QTest::addColumn<double>("nextCard");
        const auto row = [](const char* tag, const char* switches, const QString& via, double first, double next) {
            QTest::newRow(tag) << switches << via << first << next;
        };
        row("comment on", "1111001", kVia, 15, 15);
        row("comment alone", "0001001", u""_s, 15, 15);
        row("thanks, no comment", "1110001", kVia, 16, 16);
        row("values with via", "1100001", kVia, 14, 14);
        row("values without via", "1100001", u""_s, 12, 12);
        row("headings only", "1000001", kVia, 11, 11);
        row("none of 1 to 4", "0000111", kVia, 12, 6);
    }

    void tickMarkSize()
    {
        QFETCH(QString, switches);
        QFETCH(QString, via);
        QFETCH(double, firstCard);
        QFETCH(double, nextCard);
        CardLayout layout = exportLayout(switches);
        setDistinctSizes(layout);
        const CardComposer composer(layout, QString());
        RecordingSurface surface;
        for (const double size : {firstCard, nextCard}) {
            surface.forget();
            composer.draw(surface, qso(u"Non"_s, via), true);
            surface.clear();
            QCOMPARE(printedAs(surface, kTickMark), u"at 10,10 size %1 bold #000000"_s.arg(size));
        }
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
        RecordingSurface surface;
        surface.setBold(boldBefore);
        CardComposer(exportLayout(switches), u"c"_s).draw(surface, qso(u"Non"_s, kVia), true);
        QCOMPARE(surface.printed().last().text, kCreditLine);
        QCOMPARE(surface.printed().last().bold, bold);
    }

    // Positions come from the layout, item by item.
    void positionsFromTheLayout()
    {
        CardLayout layout = exportLayout(u"1111001"_s);
        for (int n = 1; n <= 22; ++n) {
            layout.setAt(layoutIndex(LayoutKind::Position, n, 'H'), qint16(n));
            layout.setAt(layoutIndex(LayoutKind::Position, n, 'V'), qint16(100 - n));
        }
        const RecordingSurface surface = draw(layout, u"comm"_s, qso(u"Oui"_s, kVia));
        const QList<std::pair<QString, int>> items = {{"   F4XYZ", 1},
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
                                                      {kTickMark, 22}};
        for (const auto& [text, n] : items)
            QVERIFY2(printedAs(surface, text).startsWith(u"at %1,%2 "_s.arg(n).arg(100 - n)), qPrintable(text));
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
        const auto drawn = [&card] {
            RecordingSurface surface;
            drawCardSequence(surface, card);
            return surface;
        };
        const RecordingSurface plain = drawn();
        QVERIFY(plain.printedTexts().contains(u"Date "_s));
        QVERIFY(!plain.printedTexts().contains(u"Via"_s));

        card.dateHeadingFrench = true;
        card.viaWhenLineOn = true;
        const RecordingSurface sample = drawn();
        QVERIFY(sample.printedTexts().contains(u"Date"_s));
        QVERIFY(!sample.printedTexts().contains(u"Date "_s));
        QCOMPARE(sample.printedTexts().count(u"Via"_s), 1);
        QCOMPARE(sample.printed().size(), plain.printed().size() + 2); // heading "Via" and the via

        // Bold goes off once, before the heading switch is tested, for the sample.
        card.boldOffBeforeHeadings = true;
        QCOMPARE(describe(drawn()).mid(0, 4), (QStringList{"colour #000000", "regular", "size 10", "at 50,50"}));

        // With every line off, the sample's credit line is regular, a card's keeps the weight left.
        card.lineOn.fill(false);
        QVERIFY(!drawn().printed().last().bold);
        card.boldOffBeforeHeadings = false;
        QVERIFY(drawn().printed().last().bold);
    }
};

QTEST_MAIN(TestCardSequence)
#include "tst_card_sequence.moc"
