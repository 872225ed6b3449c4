// The progress shown by a batch that lasts more than about a second (the clock is the test's).

#include "card/card_batch_progress.h"

#include <QPushButton>
#include <QWidget>
#include <QtTest>

class TestCardBatchProgress : public QObject
{
    Q_OBJECT

private slots:
    void longBatchShowsItsProgress()
    {
        QWidget parent;
        qint64 now = 0;
        CardBatchProgress progress(&parent, [&now] { return now; });
        now = 300; // 1 card of 10 in 300 ms: 3 seconds for the batch
        progress(1, 10);
        QProgressDialog* dialog = progress.dialog();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->objectName(), QStringLiteral("Progression_QSL"));
        QCOMPARE(dialog->labelText(), QStringLiteral("Enregistrement des QSL..."));
        QCOMPARE(dialog->maximum(), 10);
        QCOMPARE(dialog->value(), 1);
        QVERIFY(!dialog->findChild<QPushButton*>()); // no cancel: the batch runs to its end
        for (int done = 2; done <= 10; ++done) {
            now += 300;
            progress(done, 10);
        }
        QCOMPARE(progress.dialog(), dialog);
        QCOMPARE(dialog->value(), 10);
    }

    // Shown, then refreshed about 30 times a second however fast the cards go, and at the last card.
    void refreshedAtMostThirtyTimesASecond()
    {
        QWidget parent;
        qint64 now = 5000;
        CardBatchProgress progress(&parent, [&now] { return now; });
        QList<int> shown;
        for (int done = 1; done <= 10; ++done, now += 10) {
            progress(done, 10);
            shown.append(progress.dialog()->value());
        }
        QCOMPARE(shown, (QList<int>{1, 1, 1, 1, 5, 5, 5, 5, 9, 10}));
    }

    // Decided on the estimate of the whole batch, not on the first card alone: shown only when the
    // batch should last more than a second.
    void estimateOverTheWholeBatch_data()
    {
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<int>("done");
        QTest::addColumn<int>("total");
        QTest::addColumn<bool>("shown");
        QTest::newRow("1 of 5 in 150 ms") << qint64(150) << 1 << 5 << false;
        QTest::newRow("4 of 5 in 600 ms") << qint64(600) << 4 << 5 << false;
        QTest::newRow("1 of 4 in 250 ms: a second") << qint64(250) << 1 << 4 << false;
        QTest::newRow("1 of 200 in 10 ms") << qint64(10) << 1 << 200 << true;
        QTest::newRow("1 of 50 in 10 ms") << qint64(10) << 1 << 50 << false;
        QTest::newRow("100 of 200 in 400 ms") << qint64(400) << 100 << 200 << false;
        QTest::newRow("100 of 200 in 600 ms") << qint64(600) << 100 << 200 << true;
        QTest::newRow("last card") << qint64(5000) << 3 << 3 << false;
    }

    void estimateOverTheWholeBatch()
    {
        QFETCH(qint64, elapsed);
        QFETCH(int, done);
        QFETCH(int, total);
        QFETCH(bool, shown);
        QWidget parent;
        CardBatchProgress progress(&parent, [elapsed] { return elapsed; });
        progress(done, total);
        QCOMPARE(progress.dialog() != nullptr, shown);
        QCOMPARE(parent.findChild<QProgressDialog*>() != nullptr, shown);
    }

    void dialogGoesWithTheBatch()
    {
        QWidget parent;
        {
            CardBatchProgress progress(&parent, [] { return qint64(5000); });
            progress(1, 3);
            QVERIFY(parent.findChild<QProgressDialog*>());
        }
        QVERIFY(!parent.findChild<QProgressDialog*>());
    }
};

QTEST_MAIN(TestCardBatchProgress)
#include "tst_card_batch_progress.moc"
