// The batch Aff_LaQSL at its core: picked lines in, one drawn, saved and cleared card each.

#include "adif/qso_line.h"
#include "card/card_batch.h"
#include "card/card_composer.h"
#include "card/card_texts.h"
#include "layout/card_layout.h"
#include "platform/program_folder.h"
#include "support/recording_surface.h"
#include "support/test_environment.h"

#include <QDir>
#include <QtTest>

namespace
{

QString picked(const QString& callsign, const QString& band, const QString& mode, const QString& via = QString())
{
    return Corps_Ligne(Ligne_QSO(3, {callsign, QStringLiteral("15/03/24"), QStringLiteral("14:05"), band, mode,
                                     QStringLiteral("59"), QStringLiteral("Non"), via}));
}

const QStringList kThreeQsos = {
    picked(QStringLiteral("F4XYZ"), QStringLiteral("14 Mhz"), QStringLiteral("SSB")),
    picked(QStringLiteral("F/G4ABC/P"), QStringLiteral("7.0 Mhz"), QStringLiteral("CW"), QStringLiteral("F6ABC")),
    picked(QStringLiteral("DL1AA"), QStringLiteral("1.3Ghz"), QStringLiteral("FT8")),
};

const QStringList kThreeNames = {
    QStringLiteral("QSL_F4XYZ_14 Mhz_SSB.bmp"),
    QStringLiteral("QSL_F_G4ABC_P_7.0 Mhz_CW.bmp"),
    QStringLiteral("QSL_DL1AA_1.3Ghz_FT8.bmp"),
};

} // namespace

class TestCardBatch : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    CardLayout layout_;

    QString output() const { return env_->scratchFolder() + QStringLiteral("/E_QSL"); }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        layout_.load(env_->store, LayoutReader::Export);
        QDir().mkpath(output());
    }
    void cleanup() { env_.reset(); }

    void oneCardPerLineDrawnSavedCleared()
    {
        RecordingSurface surface;
        const CardComposer composer(layout_, QString());
        const CardBatchReport report = runCardBatch(
            surface, kThreeQsos, composer, [] { return true; }, output());
        QCOMPARE(report.cards, 3);
        QCOMPARE(report.written, 3);
        QVERIFY(report.failures.isEmpty());

        QStringList expectedPaths;
        for (const QString& name : kThreeNames)
            expectedPaths.append(joinPath(output(), name));
        QCOMPARE(surface.savedPaths(), expectedPaths);

        // Each card is saved with its own drawing only, and cleared after its save.
        using Kind = RecordingSurface::Kind;
        QList<Kind> saveAndClear;
        for (const auto& op : surface.operations())
            if (op.kind == Kind::Save || op.kind == Kind::Clear || op.kind == Kind::LoadPicture)
                saveAndClear.append(op.kind);
        QCOMPARE(saveAndClear,
                 (QList<Kind>{Kind::Save, Kind::Clear, Kind::Save, Kind::Clear, Kind::Save, Kind::Clear}));
        QCOMPARE(surface.savedCards().size(), 3);
        QVERIFY(surface.savedCards()[0].contains(QStringLiteral("   F4XYZ")));
        QVERIFY(!surface.savedCards()[1].contains(QStringLiteral("   F4XYZ")));
        QVERIFY(surface.savedCards()[1].contains(QStringLiteral(" F/G4ABC/P")));
        QVERIFY(surface.savedCards()[1].contains(QStringLiteral("   F6ABC")));
        QVERIFY(!surface.savedCards()[2].contains(QStringLiteral("   F6ABC")));
    }

    void emptyListSavesNothing()
    {
        RecordingSurface surface;
        const CardComposer composer(layout_, QString());
        const CardBatchReport report = runCardBatch(
            surface, {}, composer, [] { return true; }, output());
        QCOMPARE(report.cards, 0);
        QCOMPARE(report.written, 0);
        QVERIFY(surface.operations().isEmpty());
        QCOMPARE(cardBatchFailureMessage(report), QString());
    }

    // The language is asked for each card.
    void languageAskedForEachCard()
    {
        RecordingSurface surface;
        const CardComposer composer(layout_, QString());
        int asked = 0;
        runCardBatch(
            surface, kThreeQsos, composer, [&asked] { return ++asked != 2; }, output());
        QCOMPARE(asked, 3);
        const auto thanks = [&](int card) { return surface.savedCards()[card].contains(kFrenchCardTexts.thanks); };
        QVERIFY(thanks(0));
        QVERIFY(!thanks(1));
        QVERIFY(surface.savedCards()[1].contains(kEnglishCardTexts.thanks));
        QVERIFY(thanks(2));
    }

    // A card that cannot be saved does not stop the batch.
    void unwritableCardDoesNotStopTheBatch()
    {
        RecordingSurface surface;
        surface.failSaves(QStringLiteral("G4ABC"), QStringLiteral("disque plein"));
        const CardComposer composer(layout_, QString());
        const CardBatchReport report = runCardBatch(
            surface, kThreeQsos, composer, [] { return true; }, output());
        QCOMPARE(report.cards, 3);
        QCOMPARE(report.written, 2);
        QCOMPARE(report.failures, QStringList{QStringLiteral("QSL_F_G4ABC_P_7.0 Mhz_CW.bmp : disque plein")});
        QCOMPARE(surface.savedPaths().size(), 2);
        QCOMPARE(surface.savedPaths().last(), joinPath(output(), kThreeNames[2]));
        QCOMPARE(cardBatchFailureMessage(report),
                 QStringLiteral("1 QSL n'a pas pu être enregistrée :\r\nQSL_F_G4ABC_P_7.0 Mhz_CW.bmp : disque plein"));
    }

    void failureMessageNamesTenAtMost()
    {
        CardBatchReport report;
        report.cards = 12;
        for (int i = 0; i < 12; ++i)
            report.failures.append(QStringLiteral("QSL_%1.bmp : raison").arg(i));
        const QStringList lines = cardBatchFailureMessage(report).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines.first(), QStringLiteral("12 QSL n'ont pas pu être enregistrées :"));
        QCOMPARE(lines[1], QStringLiteral("QSL_0.bmp : raison"));
        QCOMPARE(lines[10], QStringLiteral("QSL_9.bmp : raison"));
        QCOMPARE(lines.last(), QStringLiteral("..."));
    }

    void missingOutputFolderMadeAgain()
    {
        QDir(output()).removeRecursively();
        RecordingSurface surface;
        const CardComposer composer(layout_, QString());
        runCardBatch(
            surface, kThreeQsos.mid(0, 1), composer, [] { return true; }, output());
        QVERIFY(QDir(output()).exists());
    }

    void progressAfterEachCard()
    {
        RecordingSurface surface;
        const CardComposer composer(layout_, QString());
        QList<QPair<int, int>> calls;
        runCardBatch(
            surface, kThreeQsos, composer, [] { return true; }, output(),
            [&](int done, int total) {
                calls.append({done, total});
                QCOMPARE(surface.operations().last().kind, RecordingSurface::Kind::Clear);
            });
        QCOMPARE(calls, (QList<QPair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    }
};

QTEST_MAIN(TestCardBatch)
#include "tst_card_batch.moc"
