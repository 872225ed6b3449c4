// Card batches, one file per case in tests/data/card/cards: layout, picks and failing saves, then
// after "==" each drawing call, progress, card not saved and message; the progress dialog's rows.

#include "card/card_batch.h"
#include "card/card_batch_progress.h"
#include "card/card_composer.h"
#include "layout/card_layout.h"
#include "layout/layout_schema.h"
#include "support/case_files.h"
#include "support/drawing_log.h"
#include "support/test_store.h"

#include <QDir>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace
{

// A picked line from its fields joined by "|", each filling its column; the via ends the line.
QString pickedLine(const QString& text)
{
    const int widths[] = {14, 10, 7, 10, 9, 10, 7};
    const QStringList fields = text.split(u'|');
    QString line;
    for (int i = 0; i < fields.size(); ++i)
        line += i < 7 ? fields[i].leftJustified(widths[i]) : fields[i];
    return line;
}

} // namespace

class TestCardDrawing : public QObject
{
    Q_OBJECT

private slots:
    void cards_data()
    {
        QTest::addColumn<QString>("file");
        const QString folder = dataPath(u"card/cards/"_s);
        const QStringList names = dataFiles(folder, u"*.card"_s);
        for (const QString& name : names)
            addRow(qPrintable(name), folder + name);
        QVERIFY(names.size() >= 6);
    }

    void cards()
    {
        QFETCH(QString, file);
        TestStore env;
        DrawingLog log;
        QString comment;
        QStringList picked, expected;
        QList<bool> french;
        bool input = true, outputIsAFile = false;
        for (const QString& line : dataLines(file)) {
            const QString word = line.section(u' ', 0, 0), rest = line.section(u' ', 1);
            if (!input)
                expected.append(line);
            else if (word == u"==")
                input = false;
            else if (word == u"set")
                env.setStored(rest.section(u'=', 0, 0), rest.section(u'=', 1));
            else if (word == u"comment")
                comment = rest;
            else if (word == u"output") // "output file": a file in place of the output folder
                outputIsAFile = true;
            else if (word == u"fail")
                std::tie(log.saveFailureFragment, log.saveFailure) =
                    std::pair(rest.section(u" -> "_s, 0, 0), rest.section(u" -> "_s, 1));
            else {
                french.append(rest.startsWith(u"fr "_s));
                picked.append(pickedLine(rest.mid(3)));
            }
        }
        CardLayout layout;
        layout.load(env.store, LayoutReader::Export);
        const QString output = env.scratchFolder() + u"/E_QSL"_s;
        QVERIFY(!outputIsAFile || !env.writeScratchFile(u"E_QSL"_s, "x").isEmpty());
        int asked = 0;
        const CardBatchReport report = runCardBatch(
            log, picked, CardComposer(layout, comment), [&] { return french.value(asked++, true); }, output,
            [&log](int done, int total) { log.calls.append(u"progress %1/%2"_s.arg(done).arg(total)); });
        QCOMPARE(QDir(output).exists(), !picked.isEmpty() && !outputIsAFile);
        QStringList actual;
        for (const QString& call : std::as_const(log.calls))
            actual.append(call.startsWith(u"print "_s) ? u"print ["_s + call.mid(6) + u']'
                                                       : QDir::fromNativeSeparators(call).replace(output, u"OUT"_s));
        for (const int i : report.unsaved)
            actual.append(u"unsaved %1"_s.arg(i));
        for (const QString& message :
             {cardBatchFailureMessage(report), cardBatchSyncMessage(report), cardBatchSavedMessage(report)})
            if (!message.isEmpty())
                actual.append(u"message "_s + QString(message).replace(u"\r\n"_s, u"\\r\\n"_s));
        QCOMPARE(actual, expected);
    }

    void progress_data()
    {
        QTest::addColumn<QStringList>("row");
        for (const QString& row : dataLines(dataPath(u"card/progress.txt"_s)))
            QTest::newRow(qPrintable(row)) << row.split(u" | "_s);
    }

    void progress()
    {
        QFETCH(QStringList, row);
        QWidget parent;
        qint64 now = 0;
        QStringList shown;
        {
            CardBatchProgress progress(&parent, [&now] { return now; });
            for (const QString& card : row[1].split(u' ')) {
                now = card.section(u'@', 1).toLongLong();
                progress(card.section(u'@', 0, 0).toInt(), row[0].toInt());
                QVERIFY(!progress.dialog() ||
                        (progress.dialog()->isVisible() && !progress.dialog()->findChild<QPushButton*>()));
                shown.append(progress.dialog() ? QString::number(progress.dialog()->value()) : u"-"_s);
            }
        }
        QCOMPARE(shown.join(u' '), row[2]);
        QVERIFY(!parent.findChild<QProgressDialog*>()); // gone with the batch
    }
};

QTEST_MAIN(TestCardDrawing)
#include "tst_card_drawing.moc"
