#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void splitsLinesAtCarriageReturns_data();
    void splitsLinesAtCarriageReturns();
    void decodesUtf8ElseWindows1252_data();
    void decodesUtf8ElseWindows1252();
    void writesWindows1252WhenEveryCharacterFits();
    void writesUtf8WhenACharacterDoesNotFit();
    void upperCasingKeepsTheLength();
    void reportsAFileThatCannotBeRead();
    void refusesANameWithAForbiddenCharacter();
    void replacesAnExistingFileWhole();
};

void TestTextFile::splitsLinesAtCarriageReturns_data()
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

void TestTextFile::splitsLinesAtCarriageReturns()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(text), lines);
}

void TestTextFile::decodesUtf8ElseWindows1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII") << QByteArray("F1ABC") << QStringLiteral("F1ABC");
    QTest::newRow("UTF-8 accent") << QByteArray("r\xC3\xA9sum\xC3\xA9") << QStringLiteral("résumé");
    QTest::newRow("UTF-8 byte order mark dropped") << QByteArray("\xEF\xBB\xBFok") << QStringLiteral("ok");
    QTest::newRow("Windows-1252 accent") << QByteArray("r\xE9sum\xE9") << QStringLiteral("résumé");
    QTest::newRow("Windows-1252 euro and quotes") << QByteArray("\x80 \x93x\x94") << QStringLiteral("€ “x”");
}

void TestTextFile::decodesUtf8ElseWindows1252()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeText(bytes), text);
}

void TestTextFile::writesWindows1252WhenEveryCharacterFits()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.inf"));
    QCOMPARE(writeTextLines(path, {QStringLiteral("Carte été"), QStringLiteral("5             84")}), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Carte \xE9t\xE9\r\n5             84\r\n"));
    QCOMPARE(readTextLines(path).lines, (QStringList{QStringLiteral("Carte été"), QStringLiteral("5             84")}));
}

void TestTextFile::writesUtf8WhenACharacterDoesNotFit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.inf"));
    const QString greek = QStringLiteral("été Ω");
    QCOMPARE(writeTextLines(path, {greek}), QString());
    QCOMPARE(readTextLines(path).lines, QStringList{greek});
}

void TestTextFile::upperCasingKeepsTheLength()
{
    const QString text = QStringLiteral("straße <call:5>f1abc");
    const QString upper = upperKeepLength(text);
    QCOMPARE(upper.size(), text.size());
    QVERIFY(upper.endsWith(QStringLiteral("<CALL:5>F1ABC")));
}

void TestTextFile::reportsAFileThatCannotBeRead()
{
    QTemporaryDir dir;
    const TextFileResult result = readTextLines(dir.filePath(QStringLiteral("missing.adi")));
    QVERIFY(!result.error.isEmpty());
    QVERIFY(result.lines.isEmpty());
    QVERIFY(!writeTextLines(dir.filePath(QStringLiteral("no/such/folder/p.inf")), {QStringLiteral("x")}).isEmpty());
}

// A NUL in the name would have the system write a file of a shorter name: nothing is written.
void TestTextFile::refusesANameWithAForbiddenCharacter()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ma%1carte.inf").arg(QChar(0)));
    QCOMPARE(writeTextLines(path, {QStringLiteral("x")}), QStringLiteral("le nom du fichier contient un caractère interdit"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void TestTextFile::replacesAnExistingFileWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.inf"));
    QCOMPARE(writeTextLines(path, {QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")}),
             QString());
    QCOMPARE(writeTextLines(path, {QStringLiteral("new")}), QString());
    QCOMPARE(readTextLines(path).lines, QStringList{QStringLiteral("new")});
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_text_file.moc"
