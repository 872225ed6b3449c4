#include "program/program.h"
#include "qso_test_lines.h"
#include "selection/callsign_order.h"
#include "selection/picked_cards.h"
#include "selection/qso_selection.h"
#include "selection/range_checks.h"
#include "settings/settings_keys.h"
#include "support/data_rows.h"
#include "support/test_environment.h"

#include <QTest>

// A program whose export gives a set answer, and tells in `steps` what it held when asked.
class AnsweringProgram final : public Program
{
public:
    AnsweringProgram(TestEnvironment& env, const QsoSelection& selection, CardExport answer, QStringList& steps)
        : Program(env.store, env.dialogs, QString()), selection_(selection), answer_(std::move(answer)), steps_(steps)
    {
    }

    bool cardLanguageFrench() const override { return true; }
    void enableSelection() override {}
    QStringList pickedLines() override { return selection_.picked().lines(); }
    bool hasPickedLines() const override { return !selection_.picked().lines().isEmpty(); }
    CardExport exportPickedCards() override
    {
        steps_.append(QStringLiteral("export %1, La QSL %2, flag %3")
                          .arg(callsOf(selection_.picked().lines(), false).join(u' '),
                               callsOf({store().value(Key::LaQsl).value_or(QString())}, false).first())
                          .arg(msgQslEnregistrees()));
        return answer_;
    }
    DrawingSurface& exportSurface() override { qFatal("no export window here"); }
    void showEditor() override { qFatal("no editor here"); }

private:
    const QsoSelection& selection_;
    CardExport answer_;
    QStringList& steps_;
};

// Picking, putting back and sorting through the window are checked in tst_select_qso_window; here
// are the rules the window cannot reach or that read better on their own.
class TestQsoSelection : public QObject
{
    Q_OBJECT
private slots:
    // "Enregistrer les QSL" with C2 and C4 picked (none in the first row), whatever the export answers.
    void savePickedCards_data()
    {
        QTest::addColumn<bool>("picked");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("unsaved");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("laQsl");
        QTest::addColumn<QStringList>("pickedAfter");

        const QString asked = QStringLiteral("export C2 C4, La QSL C2, flag 1");
        addRow("nothing picked", false, false, QStringList{}, QStringList{"count 0"}, QString(), QStringList{});
        addRow("all saved", true, false, QStringList{}, QStringList{"hide", asked, "count 0"}, QStringLiteral("C4"),
               QStringList{});
        addRow("no background", true, true, QStringList{}, QStringList{"hide", asked, "show"}, QStringLiteral("C2"),
               QStringList{"C2", "C4"});
        addRow("one card unsaved", true, false, QStringList{"C4"}, QStringList{"hide", asked, "count 1", "show"},
               QStringLiteral("C4"), QStringList{"C4"});
    }

    void savePickedCards()
    {
        QFETCH(bool, picked);
        QFETCH(bool, refused);
        QFETCH(QStringList, unsaved);
        QFETCH(QStringList, steps);
        QFETCH(QString, laQsl);
        QFETCH(QStringList, pickedAfter);
        TestEnvironment env;
        QsoSelection selection;
        selection.unpicked().append(numberedLines(calls(4)));
        if (picked) {
            selection.pick(1);
            selection.pick(2);
        }
        CardExport answer{true, refused, {}};
        for (const QString& line : selection.picked().lines())
            if (unsaved.contains(callsOf({line}, false).first()))
                answer.unsavedLines.append(line);
        QStringList done;
        AnsweringProgram program(env, selection, answer, done);

        ::savePickedCards(program, selection,
                          {[&] { done.append(QStringLiteral("hide")); }, [&] { done.append(QStringLiteral("show")); },
                           [&] { done.append(QStringLiteral("count %1").arg(selection.picked().count())); }});

        QCOMPARE(done, steps);
        const std::optional<QString> stored = env.store.value(Key::LaQsl);
        QCOMPARE(stored ? callsOf({*stored}, false).first() : QString(), laQsl);
        QCOMPARE(callsOf(selection.picked().lines(), false), pickedAfter);
    }

    void pickRangeKeepsNumbers_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QList<int>>("left");
        QTest::addColumn<QStringList>("moved");

        const QList<int> all = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        addRow("3 to 5", 3, 5, QList<int>{1, 2, 6, 7, 8, 9, 10}, QStringList{"C3", "C4", "C5"});
        addRow("one line", 4, 4, QList<int>{1, 2, 3, 5, 6, 7, 8, 9, 10}, QStringList{"C4"});
        addRow("start 0 moves nothing", 0, 3, all, QStringList{});
        addRow("end past the list moves nothing", 8, 11, all, QStringList{});
        addRow("start after end moves nothing", 5, 3, all, QStringList{});
    }

    void pickRangeKeepsNumbers()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QList<int>, left);
        QFETCH(QStringList, moved);
        QsoSelection selection;
        selection.unpicked().append(numberedLines(calls(10)));
        selection.picked().append(QStringLiteral("ALREADY"));
        selection.pickRange(first, last);
        QCOMPARE(numbersOf(selection.unpicked().lines()), left);
        QCOMPARE(callsOf(selection.picked().lines(), false), QStringList{"ALREADY"} + moved);
    }

    void order_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<bool>("before");

        addRow("blank before a letter", "F4AB  15", "F4ABC 15", true);
        addRow("blank before a digit", "F4 ", "F40", true);
        addRow("blank before a slash", "F4AB ", "F4AB/P", true);
        addRow("digits before letters", "F1ZZ", "FAAA", true);
        addRow("letters after digits", "FAAA", "F1ZZ", false);
        addRow("case ignored", "f4ab", "F4AC", true);
        addRow("case ignored, other way", "F4AC", "f4ab", false);
        addRow("equal but for case", "F4AB Oui", "F4AB OUI", false);
        addRow("same text", "F4AB", "F4AB", false);
        addRow("text order, not numbers", "F9A", "F10A", false);
        addRow("shorter first", "F4AB", "F4AB ", true);
        addRow("accents", "ÉA", "éB", true);
    }

    void order()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(bool, before);
        QCOMPARE(comesBeforeByCall(left, right), before);
    }

    void sortIsStable()
    {
        QStringList lines = {"F4AB Oui 1", "DL1X", "F4AB OUI 1", "f4ab oui 1"};
        sortByCall(lines);
        QCOMPARE(lines, (QStringList{"DL1X", "F4AB Oui 1", "F4AB OUI 1", "f4ab oui 1"}));
    }

    // Picked lines still take room in the lists.
    void room()
    {
        QsoSelection selection;
        QCOMPARE(selection.room(), 32767);
        selection.unpicked().append(numberedLines(calls(10)));
        selection.pickRange(1, 4);
        QCOMPARE(selection.room(), 32757);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("digits") << "42" << 42;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("digits then text") << "12ab" << 12;
        QTest::newRow("text") << "abc" << 0;
        QTest::newRow("leading blanks") << "  5" << 5;
        QTest::newRow("huge") << "99999999999999999999" << 1000000000;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(::leadingNumber(text), number);
    }

    void validerChecks_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("startBox");

        const QString startMissing = QStringLiteral("Entrez le N° de début de sélection");
        const QString startTooLarge = QStringLiteral("    Attention le N° de début ne peut pas être \r\n"
                                                     "plus grand ou égale au N° de la dernière ligne");
        const QString startZero = QStringLiteral("Attention le N° de début doit être au moins 1");
        const QString endTooLarge =
            QStringLiteral("Attention le N° de fin ne peut pas être\r\n   inférieur au N° de la dernière ligne");
        addRow("passes", 10, "3", "5", "", false);
        addRow("start empty", 10, "", "5", startMissing, true);
        addRow("start zero", 10, "0", "5", startZero, true);
        addRow("start is text", 10, "ab", "5", startZero, true);
        addRow("start too large", 10, "10", "12", startTooLarge, true);
        addRow("end empty", 10, "3", "", QStringLiteral("Entrez le N° de fin de sélection"), false);
        addRow("end below start", 10, "5", "3", QStringLiteral("Attention le N° de fin est inférieur au N° de début"),
               false);
        addRow("end too large", 10, "3", "10", endTooLarge, false);
        addRow("empty list", 0, "1", "1", startTooLarge, true);
    }

    void validerChecks()
    {
        QFETCH(int, lines);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, message);
        QFETCH(bool, startBox);
        const std::optional<RangeRefusal> refusal = checkRange(start, end, lines);
        QCOMPARE(refusal.has_value(), !message.isEmpty());
        if (refusal) {
            QCOMPARE(refusal->message, message);
            QCOMPARE(refusal->box == RangeBox::Start, startBox);
        }
    }
};

QTEST_MAIN(TestQsoSelection)
#include "tst_qso_selection.moc"
