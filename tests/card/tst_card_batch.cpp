// The batch Aff_LaQSL at its core: picked lines in, one drawn, saved and cleared card each.

#include "adif/qso_line.h"
#include "card/card_batch.h"
#include "card/card_composer.h"
#include "card_test_support.h"
#include "layout/card_layout.h"
#include "layout/card_texts.h"
#include "platform/program_folder.h"
#include "support/recording_surface.h"
#include "support/test_environment.h"

#include <QDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace
{

QString picked(const QString& callsign, const QString& band, const QString& mode, const QString& via = QString())
{
    return Corps_Ligne(Ligne_QSO(3, {callsign, u"15/03/24"_s, u"14:05"_s, band, mode, u"59"_s, u"Non"_s, via}));
}

const QStringList kThreeQsos = {picked(u"F4XYZ"_s, u"14 Mhz"_s, u"SSB"_s),
                                picked(u"F/G4ABC/P"_s, u"7.0 Mhz"_s, u"CW"_s, u"F6ABC"_s),
                                picked(u"DL1AA"_s, u"1.3Ghz"_s, u"FT8"_s)};

const QStringList kThreeNames = {u"QSL_F4XYZ_14 Mhz_SSB.bmp"_s, u"QSL_F_G4ABC_P_7.0 Mhz_CW.bmp"_s,
                                 u"QSL_DL1AA_1.3Ghz_FT8.bmp"_s};

} // namespace

class TestCardBatch : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    RecordingSurface surface_;

    QString output() const { return env_->scratchFolder() + u"/E_QSL"_s; }

    // The batch with the export layout on the recording surface, cards in French unless told.
    CardBatchReport run(
        const QStringList& lines, const std::function<bool()>& french = [] { return true; },
        const CardBatchProgressFn& progress = {})
    {
        CardLayout layout;
        layout.load(env_->store, LayoutReader::Export);
        return runCardBatch(surface_, lines, CardComposer(layout, QString()), french, output(), progress);
    }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        surface_ = RecordingSurface();
        QDir().mkpath(output());
    }
    void cleanup() { env_.reset(); }

    void oneCardPerLineDrawnSavedCleared()
    {
        const CardBatchReport report = run(kThreeQsos);
        QCOMPARE(report.cards, 3);
        QCOMPARE(report.written, 3);
        QVERIFY(report.failures.isEmpty());
        QCOMPARE(cardBatchSyncMessage(report), QString());
        QStringList expectedPaths;
        for (const QString& name : kThreeNames)
            expectedPaths.append(joinPath(output(), name));
        QCOMPARE(surface_.savedPaths(), expectedPaths);

        // Each card is saved with its own drawing only, and cleared after its save.
        using Kind = RecordingSurface::Kind;
        QList<Kind> saveAndClear;
        for (const auto& op : surface_.operations())
            if (op.kind == Kind::Save || op.kind == Kind::Clear || op.kind == Kind::LoadPicture)
                saveAndClear.append(op.kind);
        QCOMPARE(saveAndClear,
                 (QList<Kind>{Kind::Save, Kind::Clear, Kind::Save, Kind::Clear, Kind::Save, Kind::Clear}));
        const QList<QStringList>& cards = surface_.savedCards();
        QCOMPARE(cards.size(), 3);
        QVERIFY(cards[0].contains(u"   F4XYZ"_s) && !cards[1].contains(u"   F4XYZ"_s));
        QVERIFY(cards[1].contains(u" F/G4ABC/P"_s) && cards[1].contains(u"   F6ABC"_s));
        QVERIFY(!cards[2].contains(u"   F6ABC"_s));
    }

    void emptyListSavesNothing()
    {
        const CardBatchReport report = run({});
        QCOMPARE(report.cards, 0);
        QCOMPARE(report.written, 0);
        QVERIFY(surface_.operations().isEmpty());
        QCOMPARE(cardBatchFailureMessage(report), QString());
    }

    void languageAskedForEachCard()
    {
        int asked = 0;
        run(kThreeQsos, [&asked] { return ++asked != 2; });
        QCOMPARE(asked, 3);
        const QList<QStringList>& cards = surface_.savedCards();
        QVERIFY(cards[0].contains(kFrenchCardTexts.thanks));
        QVERIFY(!cards[1].contains(kFrenchCardTexts.thanks) && cards[1].contains(kEnglishCardTexts.thanks));
        QVERIFY(cards[2].contains(kFrenchCardTexts.thanks));
    }

    void unwritableCardDoesNotStopTheBatch()
    {
        surface_.failSaves(u"G4ABC"_s, u"disque plein"_s);
        const CardBatchReport report = run(kThreeQsos);
        QCOMPARE(report.cards, 3);
        QCOMPARE(report.written, 2);
        QCOMPARE(report.failures, QStringList{u"QSL_F_G4ABC_P_7.0 Mhz_CW.bmp : disque plein"_s});
        QCOMPARE(report.unsaved, QList<int>{1});
        QCOMPARE(surface_.savedPaths().size(), 2);
        QCOMPARE(surface_.savedPaths().last(), joinPath(output(), kThreeNames[2]));
        QCOMPARE(cardBatchFailureMessage(report),
                 u"1 QSL n'a pas pu être enregistrée :\r\nQSL_F_G4ABC_P_7.0 Mhz_CW.bmp : disque plein"_s + kPicksKept);
    }

    // Cards written that cannot be made durable at the end (here, a file stands where the output
    // folder should be) are told of.
    void cardsNotMadeDurableAreTold()
    {
        QDir(output()).removeRecursively();
        QFile file(output());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(cardBatchSyncMessage(run(kThreeQsos)),
                 u"Les QSL écrites n'ont peut-être pas toutes atteint le disque :\r\nl'écriture du fichier a échoué"_s);
    }

    void failureMessageNamesTenAtMost()
    {
        CardBatchReport report;
        report.cards = 12;
        for (int i = 0; i < 12; ++i)
            report.failures.append(u"QSL_%1.bmp : raison"_s.arg(i));
        QStringList lines = cardBatchFailureMessage(report).split(u"\r\n"_s);
        QCOMPARE(lines.takeLast(), kPicksKept.mid(2));
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines.first(), u"12 QSL n'ont pas pu être enregistrées :"_s);
        QCOMPARE(lines[1], u"QSL_0.bmp : raison"_s);
        QCOMPARE(lines[10], u"QSL_9.bmp : raison"_s);
        QCOMPARE(lines.last(), u"..."_s);
    }

    // The saved-cards message tells only of cards saved: all of them, how many, or none.
    void savedMessage_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("message");
        const QString place = u" dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL"_s;
        QTest::newRow("nothing to save") << 0 << 0 << kSavedMessage;
        QTest::newRow("every card") << 3 << 3 << kSavedMessage;
        QTest::newRow("one card of three") << 3 << 1 << u"1 QSL sur 3 a été enregistrée"_s + place;
        QTest::newRow("two cards of three") << 3 << 2 << u"2 QSL sur 3 ont été enregistrées"_s + place;
        QTest::newRow("no card") << 3 << 0 << QString();
    }

    void savedMessage()
    {
        QFETCH(int, cards);
        QFETCH(int, written);
        QFETCH(QString, message);
        CardBatchReport report;
        report.cards = cards;
        report.written = written;
        for (int i = written; i < cards; ++i)
            report.failures.append(u"QSL_%1.bmp : raison"_s.arg(i));
        QCOMPARE(cardBatchSavedMessage(report), message);
    }

    void missingOutputFolderMadeAgain()
    {
        QDir(output()).removeRecursively();
        run(kThreeQsos.mid(0, 1));
        QVERIFY(QDir(output()).exists());
    }

    // Told once each card is saved, while it is still drawn, so that a refreshed window shows it.
    void progressAfterEachCard()
    {
        QList<QPair<int, int>> calls;
        run(
            kThreeQsos, [] { return true; },
            [&](int done, int total) {
                calls.append({done, total});
                QCOMPARE(surface_.operations().last().kind, RecordingSurface::Kind::Save);
            });
        QCOMPARE(calls, (QList<QPair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    }
};

QTEST_MAIN(TestCardBatch)
#include "tst_card_batch.moc"
