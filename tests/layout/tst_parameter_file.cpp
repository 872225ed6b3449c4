#include "layout/layout_texts.h"
#include "layout/parameter_file.h"
#include "settings/settings_store.h"
#include "support/test_environment.h"

#include <QTest>

// The parameter file's name, its 46 lines, and reading records back.
class TestParameterFile : public QObject
{
    Q_OBJECT
private slots:
    void baseName_data();
    void baseName();
    void pathIsInTheProgramFolder();
    void printZones_data();
    void printZones();
    void linesOfTheDefaultLayout();
    void switchesAndTextsAsTyped();
    void switchWithBlanksReadsAsItsDigit();
    void decimalCommaComesBackRounded();
    void onlyFourCharactersAreRead();
    void writeThenLoadGivesTheLayoutBack();
    void sameRecordTwice();
    void emptyFile();
    void fileEndingInsideARecord_data();
    void fileEndingInsideARecord();
    void fieldThatIsNotANumber_data();
    void fieldThatIsNotANumber();
    void valueTheCardsCannotBeDrawnWith_data();
    void valueTheCardsCannotBeDrawnWith();
    void storeEntriesOfARecord();

private:
    static QStringList defaultLines(const QString& background = QStringLiteral("C:\\Cartes\\fond.jpg"));
};

QStringList TestParameterFile::defaultLines(const QString& background)
{
    TestEnvironment env;
    return parameterFileLines(background, readEditorTexts(env.store));
}

void TestParameterFile::baseName_data()
{
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("base");
    QTest::newRow("sample background") << "QSL_TRELUNE.jpg"
                                       << "QSL_TRELUNE";
    QTest::newRow("Windows path, several dots") << "C:\\Cartes\\ma.carte.jpg"
                                                << "ma";
    QTest::newRow("slash path, several dots") << "/home/op/cartes/ma.carte.jpg"
                                              << "ma";
    QTest::newRow("dots in a folder name") << "/home/op/mes.cartes/fond"
                                           << "fond";
    QTest::newRow("both separators") << "C:\\Cartes/sous\\fond.jpeg"
                                     << "fond";
    QTest::newRow("no folder, no dot") << "fond"
                                       << "fond";
    QTest::newRow("empty background") << ""
                                      << "";
    QTest::newRow("starts with a dot") << "/cartes/.jpg"
                                       << "";
}

void TestParameterFile::baseName()
{
    QFETCH(QString, background);
    QFETCH(QString, base);
    QCOMPARE(parameterFileBaseName(background), base);
}

void TestParameterFile::pathIsInTheProgramFolder()
{
    QCOMPARE(parameterFilePath(QStringLiteral("/opt/eqsl"), QStringLiteral("QSL_TRELUNE.jpg")),
             QStringLiteral("/opt/eqsl/QSL_TRELUNE.inf"));
    QCOMPARE(parameterFilePath(QStringLiteral("/opt/eqsl"), QStringLiteral("C:\\Cartes\\ma.carte.jpg")),
             QStringLiteral("/opt/eqsl/ma.inf"));
    QCOMPARE(parameterFilePath(QStringLiteral("/opt/eqsl"), QString()), QStringLiteral("/opt/eqsl/.inf"));
}

void TestParameterFile::printZones_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("line");
    QTest::newRow("one character") << "5"
                                   << "84" << QStringLiteral("5") + QString(13, ' ') + "84";
    QTest::newRow("two characters") << "29"
                                    << "84" << QStringLiteral("29") + QString(12, ' ') + "84";
    QTest::newRow("thirteen characters") << "1234567890123"
                                         << "7"
                                         << "1234567890123 7";
    QTest::newRow("fourteen characters go to the third zone")
        << "12345678901234"
        << "7" << QStringLiteral("12345678901234") + QString(14, ' ') + "7";
    QTest::newRow("empty first text") << ""
                                      << "7" << QString(14, ' ') + "7";
    QTest::newRow("empty second text") << "5"
                                       << "" << QStringLiteral("5") + QString(13, ' ');
}

void TestParameterFile::printZones()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, line);
    QCOMPARE(::printZones(first, second), line);
}

void TestParameterFile::linesOfTheDefaultLayout()
{
    const QStringList lines = defaultLines();
    QCOMPARE(lines.size(), 46);
    QCOMPARE(lines.at(0), QStringLiteral("C:\\Cartes\\fond.jpg"));
    // Lines 2 and 3: the digit 5, thirteen blanks, 84; then 29, twelve blanks, 84.
    QCOMPARE(lines.at(1), QStringLiteral("5             84"));
    QCOMPARE(lines.at(2), QStringLiteral("29            84"));
    QCOMPARE(lines.at(7), QStringLiteral("40            91"));    // item 7
    QCOMPARE(lines.at(15), QStringLiteral("16            91.5")); // item 15 under the C number format
    QCOMPARE(lines.at(22), QStringLiteral("10            10"));   // item 22
    const QStringList rest = {"12",  "12",  "13",  "13", "13", "13", "1", "1", " 1 ", " 1 ", " 1 ", " 0 ",
                              " 0 ", " 0 ", " 0 ", "0",  "0",  "0",  "0", "0", "0",   "0",   ""};
    QCOMPARE(lines.mid(23), rest);
}

void TestParameterFile::switchesAndTextsAsTyped()
{
    LayoutTexts texts;
    for (QString& value : texts.values)
        value = QStringLiteral("1");
    texts.setText(QStringLiteral("Pose H3"), QStringLiteral("12,5"));
    texts.setText(QStringLiteral("Pose V3"), QStringLiteral(" 7"));
    texts.setText(QStringLiteral("T Via"), QStringLiteral("abc"));
    texts.setText(QStringLiteral("Aff L2"), QStringLiteral("0"));
    texts.setText(QStringLiteral("Aff L5"), QStringLiteral("2"));
    texts.setText(QStringLiteral("Coul Li2"), QStringLiteral("12,5"));
    texts.comment = QStringLiteral("73 de F6XYZ, à bientôt");
    const QStringList lines = parameterFileLines(QStringLiteral("fond.jpg"), texts);
    QCOMPARE(lines.at(3), QStringLiteral("12,5") + QString(10, ' ') + QStringLiteral(" 7"));
    QCOMPARE(lines.at(26), QStringLiteral("abc"));
    QCOMPARE(lines.at(32), QStringLiteral(" 0 "));
    QCOMPARE(lines.at(35), QStringLiteral(" 2 "));
    QCOMPARE(lines.at(43), QStringLiteral("12,5"));
    QCOMPARE(lines.at(45), QStringLiteral("73 de F6XYZ, à bientôt"));
}

void TestParameterFile::switchWithBlanksReadsAsItsDigit()
{
    QStringList lines = defaultLines();
    lines[34] = QStringLiteral(" 1 "); // "Aff L4", off by default
    const ParameterFileContents contents = parseParameterFile(lines);
    QCOMPARE(contents.problem.kind, ParameterFileProblem::Kind::None);
    QCOMPARE(contents.records.size(), 1);
    QCOMPARE(contents.records.at(0).layout.value(QStringLiteral("Aff L4")), qint16(1));
    QCOMPARE(contents.records.at(0).layout.value(QStringLiteral("Aff L5")), qint16(0));
}

void TestParameterFile::decimalCommaComesBackRounded()
{
    TestEnvironment env;
    useFrenchNumberFormat();
    LayoutTexts texts = readEditorTexts(env.store);
    texts.setText(QStringLiteral("Pose H8"), QStringLiteral("12,5"));
    texts.setText(QStringLiteral("Pose V8"), QStringLiteral("13,5"));
    texts.setText(QStringLiteral("T Entete"), QStringLiteral("12,5"));
    const ParameterFileContents contents = parseParameterFile(parameterFileLines(QString(), texts));
    QCOMPARE(contents.records.size(), 1);
    const CardLayout& layout = contents.records.at(0).layout;
    QCOMPARE(layout.h(8), qint16(12));
    QCOMPARE(layout.v(8), qint16(14));
    QCOMPARE(layout.size(0), qint16(12));
    QCOMPARE(layout.v(15), qint16(92)); // the default 91,5
}

void TestParameterFile::onlyFourCharactersAreRead()
{
    QStringList lines = defaultLines();
    lines[1] = QStringLiteral("12345         98765"); // item 1
    lines[24] = QStringLiteral("150 points");         // "T QSO"
    const ParameterFileContents contents = parseParameterFile(lines);
    QCOMPARE(contents.records.size(), 1);
    QCOMPARE(contents.records.at(0).layout.h(1), qint16(1234));
    QCOMPARE(contents.records.at(0).layout.v(1), qint16(8765));
    QCOMPARE(contents.records.at(0).layout.size(1), qint16(150));
}

void TestParameterFile::writeThenLoadGivesTheLayoutBack()
{
    TestEnvironment env;
    LayoutTexts texts = readEditorTexts(env.store);
    // A layout unlike the defaults in every kind of value.
    texts.setText(QStringLiteral("Pose H1"), QStringLiteral("-3"));
    texts.setText(QStringLiteral("Pose V22"), QStringLiteral("100"));
    texts.setText(QStringLiteral("T Li2"), QStringLiteral("4"));
    texts.setText(QStringLiteral("Aff L7"), QStringLiteral("1"));
    texts.setText(QStringLiteral("Aff L1"), QStringLiteral("2"));
    texts.setText(QStringLiteral("Coul L7"), QStringLiteral("15"));
    texts.comment = QStringLiteral("Merci et 73");
    const ParameterFileContents contents =
        parseParameterFile(parameterFileLines(QStringLiteral("/cartes/été.jpg"), texts));
    QCOMPARE(contents.problem.kind, ParameterFileProblem::Kind::None);
    QCOMPARE(contents.records.size(), 1);
    const ParameterRecord& record = contents.records.at(0);
    QCOMPARE(record.background, QStringLiteral("/cartes/été.jpg"));
    QCOMPARE(record.comment, QStringLiteral("Merci et 73"));
    // The same as the store readers would make of those texts.
    for (const auto& [key, text] : editorStoreEntries(texts))
        env.store.write(key, text);
    CardLayout expected;
    expected.load(env.store, LayoutReader::Editor);
    QCOMPARE(record.layout, expected);
    QCOMPARE(record.layout.h(1), qint16(-3));
    QCOMPARE(record.layout.switchOf(1), qint16(2));
    QCOMPARE(record.layout.colourOf(7), qint16(15));
}

void TestParameterFile::sameRecordTwice()
{
    const QStringList once = defaultLines();
    const ParameterFileContents single = parseParameterFile(once);
    const ParameterFileContents twice = parseParameterFile(once + once);
    QCOMPARE(twice.problem.kind, ParameterFileProblem::Kind::None);
    QCOMPARE(twice.records.size(), 2);
    QCOMPARE(twice.records.at(1).layout, single.records.at(0).layout);
    QCOMPARE(twice.records.at(1).background, single.records.at(0).background);
    QCOMPARE(twice.records.at(1).comment, single.records.at(0).comment);
}

void TestParameterFile::emptyFile()
{
    const ParameterFileContents contents = parseParameterFile({});
    QCOMPARE(contents.records.size(), 0);
    QCOMPARE(contents.problem.kind, ParameterFileProblem::Kind::Empty);
}

void TestParameterFile::fileEndingInsideARecord_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("completeRecords");
    QTest::addColumn<int>("recordStart");
    QTest::newRow("one line") << 1 << 0 << 1;
    QTest::newRow("45 lines") << 45 << 0 << 1;
    QTest::newRow("one extra line after a record") << 47 << 1 << 47;
    QTest::newRow("second record cut short") << 80 << 1 << 47;
    QTest::newRow("third record cut short") << 93 << 2 << 93;
}

void TestParameterFile::fileEndingInsideARecord()
{
    QFETCH(int, lineCount);
    QFETCH(int, completeRecords);
    QFETCH(int, recordStart);
    const QStringList record = defaultLines();
    const QStringList lines = (record + record + record).mid(0, lineCount);
    const ParameterFileContents contents = parseParameterFile(lines);
    QCOMPARE(contents.records.size(), completeRecords);
    QCOMPARE(contents.problem.kind, ParameterFileProblem::Kind::Incomplete);
    QCOMPARE(contents.problem.line, lineCount);
    QCOMPARE(contents.problem.recordStart, recordStart);
}

void TestParameterFile::fieldThatIsNotANumber_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("field");
    QTest::newRow("horizontal") << 12 << "ab            77" << 0 << "Pose H11"
                                << "ab  ";
    QTest::newRow("vertical") << 3 << "29            x4" << 0 << "Pose V2"
                              << "  x4";
    QTest::newRow("empty position line") << 23 << "" << 0 << "Pose H22"
                                         << "";
    QTest::newRow("size") << 26 << "treize" << 0 << "T Call"
                          << "trei";
    QTest::newRow("switch") << 32 << " oui" << 0 << "Aff L1"
                            << " oui";
    QTest::newRow("colour in the second record") << 45 << "rouge" << 1 << "Coul L7"
                                                 << "roug";
}

void TestParameterFile::fieldThatIsNotANumber()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, record);
    QFETCH(QString, key);
    QFETCH(QString, field);
    const QStringList one = defaultLines();
    QStringList lines = one + one + one;
    lines[record * 46 + line - 1] = text;
    const ParameterFileContents contents = parseParameterFile(lines);
    // The records before it are taken; neither it nor any after it.
    QCOMPARE(contents.records.size(), record);
    QCOMPARE(contents.problem.kind, ParameterFileProblem::Kind::BadField);
    QCOMPARE(contents.problem.line, record * 46 + line);
    QCOMPARE(contents.problem.recordStart, record * 46 + 1);
    QCOMPARE(contents.problem.key, key);
    QCOMPARE(contents.problem.field, field);
}

// Colours outside 0 to 15, text sizes and line widths below 1 are refused like a field that is
// not a number; positions and switches take any value.
void TestParameterFile::valueTheCardsCannotBeDrawnWith_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("taken");
    QTest::newRow("colour 16") << 40 << "16" << "Coul L2" << false;
    QTest::newRow("colour -1") << 39 << "-1" << "Coul L1" << false;
    QTest::newRow("colour 15") << 45 << "15" << "Coul L7" << true;
    QTest::newRow("colour 0") << 43 << "0" << "Coul Li1" << true;
    QTest::newRow("text size 0") << 26 << "0" << "T Call" << false;
    QTest::newRow("text size -2") << 24 << " -2 " << "T Entete" << false;
    QTest::newRow("text size 1") << 29 << "1" << "T QSL" << true;
    QTest::newRow("line width 0") << 30 << "0" << "T Li1" << false;
    QTest::newRow("line width 1") << 31 << "1" << "T Li2" << true;
    QTest::newRow("switch 5") << 33 << " 5 " << "Aff L2" << true;
    QTest::newRow("position -300") << 2 << "-300          84" << "Pose H1" << true;
}

void TestParameterFile::valueTheCardsCannotBeDrawnWith()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(bool, taken);
    const QStringList one = defaultLines();
    QStringList lines = one + one;
    lines[46 + line - 1] = text;
    const ParameterFileContents contents = parseParameterFile(lines);
    if (taken) {
        QCOMPARE(contents.problem.kind, ParameterFileProblem::Kind::None);
        QCOMPARE(contents.records.size(), 2);
        QCOMPARE(QString::number(contents.records.at(1).layout.value(key)), text.left(4).trimmed());
        return;
    }
    QCOMPARE(contents.records.size(), 1);
    QCOMPARE(contents.problem.kind, ParameterFileProblem::Kind::OutOfRange);
    QCOMPARE(contents.problem.line, 46 + line);
    QCOMPARE(contents.problem.recordStart, 47);
    QCOMPARE(contents.problem.key, key);
    QCOMPARE(contents.problem.field, text.left(4));
}

void TestParameterFile::storeEntriesOfARecord()
{
    ParameterRecord record;
    record.background = QStringLiteral("C:\\Cartes\\fond.jpg");
    record.layout.setValue(QStringLiteral("Pose V1"), -3);
    record.layout.setValue(QStringLiteral("Pose H1"), 84);
    record.layout.setValue(QStringLiteral("Coul L7"), 12);
    record.comment = QStringLiteral("73");
    const auto entries = parameterRecordStoreEntries(record);
    QCOMPARE(entries.size(), 68);
    QCOMPARE(entries.at(0), std::make_pair(QStringLiteral("QSL de fond"), QStringLiteral("C:\\Cartes\\fond.jpg")));
    QCOMPARE(entries.at(1), std::make_pair(QStringLiteral("Pose V1"), QStringLiteral("-3")));
    QCOMPARE(entries.at(23), std::make_pair(QStringLiteral("Pose H1"), QStringLiteral("84")));
    QCOMPARE(entries.at(45).first, QStringLiteral("T Entete"));
    QCOMPARE(entries.at(53).first, QStringLiteral("Aff L1"));
    QCOMPARE(entries.at(66), std::make_pair(QStringLiteral("Coul L7"), QStringLiteral("12")));
    QCOMPARE(entries.at(67), std::make_pair(QStringLiteral("Commentaire"), QStringLiteral("73")));
}

QTEST_MAIN(TestParameterFile)
#include "tst_parameter_file.moc"
