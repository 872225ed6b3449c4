#include "platform/text_file.h"
#include "support/data_rows.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextFile : public QObject
{
    Q_OBJECT
private slots:
    void splitsLinesAtCarriageReturns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("CRLF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("lone CR") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("last line without end") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("lone LF is part of the line") << "a\nb\n" << QStringList{"a\nb\n"};
        QTest::newRow("LF before CRLF") << "a\n\r\nb" << QStringList{"a\n", "b"};
        QTest::newRow("CR then CRLF gives an empty line") << "a\r\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("only a line end") << "\r\n" << QStringList{""};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void splitsLinesAtCarriageReturns()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(splitLines(text), lines);
    }

    void decodesUtf8ElseWindows1252_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");

        QTest::newRow("ASCII") << QByteArray("F1ABC") << QStringLiteral("F1ABC");
        QTest::newRow("UTF-8 accent") << QByteArray("r\xC3\xA9sum\xC3\xA9") << QStringLiteral("résumé");
        QTest::newRow("UTF-8 byte order mark dropped") << QByteArray("\xEF\xBB\xBFok") << QStringLiteral("ok");
        QTest::newRow("Windows-1252 accent") << QByteArray("r\xE9sum\xE9") << QStringLiteral("résumé");
        QTest::newRow("Windows-1252 euro and quotes") << QByteArray("\x80 \x93x\x94") << QStringLiteral("€ “x”");
    }

    void decodesUtf8ElseWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeText(bytes), text);
    }

    void writesWindows1252WhenEveryCharacterFits()
    {
        const QString path = dir_.filePath(QStringLiteral("cp1252.inf"));
        const QStringList lines = {QStringLiteral("Carte été"), QStringLiteral("5             84")};
        QCOMPARE(writeTextLines(path, lines), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Carte \xE9t\xE9\r\n5             84\r\n"));
        QCOMPARE(readTextLines(path).lines, lines);
    }

    void writesUtf8WhenACharacterDoesNotFit()
    {
        const QString path = dir_.filePath(QStringLiteral("utf8.inf"));
        QCOMPARE(writeTextLines(path, {QStringLiteral("été Ω")}), QString());
        QCOMPARE(readTextLines(path).lines, QStringList{QStringLiteral("été Ω")});
    }

    void reportsAFileThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        addRow("missing", dir_.filePath(QStringLiteral("missing.adi")), QStringLiteral("le fichier n'existe pas"));
        addRow("folder", dir_.path(), QStringLiteral("un dossier porte ce nom"));
        // Opening these would wait for ever, or read what is no file.
        addRow("FIFO", makeFifo(dir_.filePath(QStringLiteral("fifo.adi"))),
               QStringLiteral("ce n'est pas un fichier ordinaire"));
        addRow("device", QStringLiteral("/dev/null"), QStringLiteral("ce n'est pas un fichier ordinaire"));
    }

    void reportsAFileThatCannotBeRead()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        const TextFileResult result = readTextLines(path);
        QCOMPARE(result.error, reason);
        QVERIFY(result.lines.isEmpty());
    }

    void reportsAFileThatCannotBeWritten()
    {
        QVERIFY(
            !writeTextLines(dir_.filePath(QStringLiteral("no/such/folder/p.inf")), {QStringLiteral("x")}).isEmpty());
    }

    // A NUL in the name would have the system write a file of a shorter name: nothing is written.
    void refusesANameWithAForbiddenCharacter()
    {
        QTemporaryDir dir;
        QCOMPARE(writeTextLines(dir.filePath(QStringLiteral("ma%1carte.inf").arg(QChar(0))), {QStringLiteral("x")}),
                 QStringLiteral("le nom du fichier contient un caractère interdit"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    void replacesAnExistingFileWhole()
    {
        const QString path = dir_.filePath(QStringLiteral("replaced.inf"));
        QCOMPARE(writeTextLines(path, {QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")}),
                 QString());
        QCOMPARE(writeTextLines(path, {QStringLiteral("new")}), QString());
        QCOMPARE(readTextLines(path).lines, QStringList{QStringLiteral("new")});
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_text_file.moc"
