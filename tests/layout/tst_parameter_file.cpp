#include "layout/layout_texts.h"
#include "layout/parameter_file.h"
#include "settings/settings_store.h"
#include "support/test_environment.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Kind = ParameterFileProblem::Kind;

namespace
{

// The 46 lines of the editor's default layout.
QStringList defaultLines(const QString& background = u"C:\\Cartes\\fond.jpg"_s)
{
    TestEnvironment env;
    return parameterFileLines(background, readEditorTexts(env.store));
}

// The default record as many times as asked, the line at the index (from 0) replaced.
QStringList records(int count, int index = -1, const QString& text = {})
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines += defaultLines();
    if (index >= 0)
        lines[index] = text;
    return lines;
}

} // namespace

// The parameter file's name, its 46 lines, and reading records back.
class TestParameterFile : public QObject
{
    Q_OBJECT
private slots:
    void baseName_data()
    {
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("base");
        const auto row = [](const char* tag, const char* background, const char* base) {
            QTest::newRow(tag) << background << base;
        };
        row("sample background", "QSL_TRELUNE.jpg", "QSL_TRELUNE");
        row("Windows path, several dots", "C:\\Cartes\\ma.carte.jpg", "ma");
        row("slash path, several dots", "/home/op/cartes/ma.carte.jpg", "ma");
        row("dots in a folder name", "/home/op/mes.cartes/fond", "fond");
        row("both separators", "C:\\Cartes/sous\\fond.jpeg", "fond");
        row("no folder, no dot", "fond", "fond");
        row("empty background", "", "");
        row("starts with a dot", "/cartes/.jpg", "");
    }

    void baseName()
    {
        QFETCH(QString, background);
        QFETCH(QString, base);
        QCOMPARE(parameterFileBaseName(background), base);
    }

    void pathIsInTheProgramFolder()
    {
        QCOMPARE(parameterFilePath(u"/opt/eqsl"_s, u"QSL_TRELUNE.jpg"_s), u"/opt/eqsl/QSL_TRELUNE.inf"_s);
        QCOMPARE(parameterFilePath(u"/opt/eqsl"_s, u"C:\\Cartes\\ma.carte.jpg"_s), u"/opt/eqsl/ma.inf"_s);
        QCOMPARE(parameterFilePath(u"/opt/eqsl"_s, QString()), u"/opt/eqsl/.inf"_s);
    }

    // Two print zones of 14 characters: a first text of 14 or more pushes the second to the third zone.
    void printZones_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("line");
        const auto row = [](const char* tag, const char* first, const char* second, const QString& line) {
            QTest::newRow(tag) << first << second << line;
        };
        row("one character", "5", "84", "5" + QString(13, u' ') + "84");
        row("two characters", "29", "84", "29" + QString(12, u' ') + "84");
        row("thirteen characters", "1234567890123", "7", u"1234567890123 7"_s);
        row("fourteen characters go to the third zone", "12345678901234", "7",
            "12345678901234" + QString(14, u' ') + "7");
        row("empty first text", "", "7", QString(14, u' ') + "7");
        row("empty second text", "5", "", "5" + QString(13, u' '));
    }

    void printZones()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, line);
        QCOMPARE(::printZones(first, second), line);
    }

    void linesOfTheDefaultLayout()
    {
        const QStringList lines = defaultLines();
        QCOMPARE(lines.size(), 46);
        QCOMPARE(lines.at(0), u"C:\\Cartes\\fond.jpg"_s);
        QCOMPARE(lines.at(1), u"5             84"_s); // the digit 5, thirteen blanks, 84
        QCOMPARE(lines.at(2), u"29            84"_s); // 29, twelve blanks, 84
        QCOMPARE(lines.at(7), u"40            91"_s);
        QCOMPARE(lines.at(15), u"16            91.5"_s); // item 15 under the C number format
        QCOMPARE(lines.at(22), u"10            10"_s);
        const QStringList rest = {"12",  "12",  "13",  "13", "13", "13", "1", "1", " 1 ", " 1 ", " 1 ", " 0 ",
                                  " 0 ", " 0 ", " 0 ", "0",  "0",  "0",  "0", "0", "0",   "0",   ""};
        QCOMPARE(lines.mid(23), rest);
    }

    void switchesAndTextsAsTyped()
    {
        LayoutTexts texts;
        texts.values.fill(u"1"_s);
        const QList<std::pair<QString, QString>> typed = {{"Pose H3", "12,5"}, {"Pose V3", " 7"}, {"T Via", "abc"},
                                                          {"Aff L2", "0"},     {"Aff L5", "2"},   {"Coul Li2", "12,5"}};
        for (const auto& [key, text] : typed)
            texts.setText(key, text);
        texts.comment = u"73 de F6XYZ, à bientôt"_s;
        const QStringList lines = parameterFileLines(u"fond.jpg"_s, texts);
        QCOMPARE(lines.at(3), u"12,5"_s + QString(10, u' ') + u" 7"_s);
        QCOMPARE((QStringList{lines.at(26), lines.at(32), lines.at(35), lines.at(43), lines.at(45)}),
                 (QStringList{"abc", " 0 ", " 2 ", "12,5", "73 de F6XYZ, à bientôt"}));
    }

    void onlyFourCharactersAreRead()
    {
        QStringList lines = defaultLines();
        lines[1] = u"12345         98765"_s; // item 1
        lines[24] = u"150 points"_s;         // "T QSO"
        const ParameterFileContents contents = parseParameterFile(lines);
        QCOMPARE(contents.records.size(), 1);
        const CardLayout& layout = contents.records.at(0).layout;
        QCOMPARE((QList<qint16>{layout.h(1), layout.v(1), layout.textSize(2)}), (QList<qint16>{1234, 8765, 150}));
    }

    // What the store readers would make of the texts, decimal commas rounded halves to even.
    void writeThenLoadGivesTheLayoutBack()
    {
        TestEnvironment env;
        useFrenchNumberFormat();
        LayoutTexts texts = readEditorTexts(env.store);
        // A layout unlike the defaults in every kind of value.
        const QList<std::pair<QString, QString>> typed = {
            {"Pose H1", "-3"}, {"Pose V22", "100"}, {"T Li2", "4"},      {"Aff L7", "1"},     {"Aff L1", "2"},
            {"Coul L7", "15"}, {"Pose H8", "12,5"}, {"Pose V8", "13,5"}, {"T Entete", "12,5"}};
        for (const auto& [key, text] : typed)
            texts.setText(key, text);
        texts.comment = u"Merci et 73"_s;
        const ParameterFileContents contents = parseParameterFile(parameterFileLines(u"/cartes/été.jpg"_s, texts));
        QCOMPARE(contents.problem.kind, Kind::None);
        QCOMPARE(contents.records.size(), 1);
        const ParameterRecord& record = contents.records.at(0);
        QCOMPARE(record.background, u"/cartes/été.jpg"_s);
        QCOMPARE(record.comment, u"Merci et 73"_s);
        for (const auto& [key, text] : editorStoreEntries(texts))
            env.store.write(key, text);
        CardLayout expected;
        expected.load(env.store, LayoutReader::Editor);
        QCOMPARE(record.layout, expected);
        const CardLayout& l = record.layout;
        QCOMPARE((QList<qint16>{l.h(1), l.switchOf(1), l.colourOf(7), l.h(8), l.v(8), l.textSize(1), l.v(15)}),
                 (QList<qint16>{-3, 2, 15, 12, 14, 12, 92}));
    }

    void emptyFile()
    {
        const ParameterFileContents contents = parseParameterFile({});
        QCOMPARE(contents.records.size(), 0);
        QCOMPARE(contents.problem.kind, Kind::Empty);
    }

    void fileEndingInsideARecord_data()
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

    void fileEndingInsideARecord()
    {
        QFETCH(int, lineCount);
        QFETCH(int, completeRecords);
        QFETCH(int, recordStart);
        const ParameterFileContents contents = parseParameterFile(records(3).mid(0, lineCount));
        QCOMPARE(contents.records.size(), completeRecords);
        QCOMPARE(contents.problem.kind, Kind::Incomplete);
        QCOMPARE(contents.problem.line, lineCount);
        QCOMPARE(contents.problem.recordStart, recordStart);
    }

    // The records before it are taken; neither it nor any after it.
    void fieldThatIsNotANumber_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("field");
        const auto row = [](const char* tag, int line, const char* text, int record, const char* key,
                            const char* field) { QTest::newRow(tag) << line << text << record << key << field; };
        row("horizontal", 12, "ab            77", 0, "Pose H11", "ab  ");
        row("vertical", 3, "29            x4", 0, "Pose V2", "  x4");
        row("empty position line", 23, "", 0, "Pose H22", "");
        row("size", 26, "treize", 0, "T Call", "trei");
        row("switch", 32, " oui", 0, "Aff L1", " oui");
        row("colour in the second record", 45, "rouge", 1, "Coul L7", "roug");
    }

    void fieldThatIsNotANumber()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(int, record);
        QFETCH(QString, key);
        QFETCH(QString, field);
        const ParameterFileContents contents = parseParameterFile(records(3, record * 46 + line - 1, text));
        QCOMPARE(contents.records.size(), record);
        QCOMPARE(contents.problem.kind, Kind::BadField);
        QCOMPARE(contents.problem.line, record * 46 + line);
        QCOMPARE(contents.problem.recordStart, record * 46 + 1);
        QCOMPARE(contents.problem.key, key);
        QCOMPARE(contents.problem.field, field);
    }

    // Colours outside 0 to 15, text sizes and line widths below 1 are refused like a field that is
    // not a number; positions and switches take any value, blanks around a number are read past.
    void valueTheCardsCannotBeDrawnWith_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("taken");
        const auto row = [](const char* tag, int line, const char* text, const char* key, bool taken) {
            QTest::newRow(tag) << line << text << key << taken;
        };
        row("colour 16", 40, "16", "Coul L2", false);
        row("colour -1", 39, "-1", "Coul L1", false);
        row("colour 15", 45, "15", "Coul L7", true);
        row("colour 0", 43, "0", "Coul Li1", true);
        row("text size 0", 26, "0", "T Call", false);
        row("text size -2", 24, " -2 ", "T Entete", false);
        row("text size 1", 29, "1", "T QSL", true);
        row("line width 0", 30, "0", "T Li1", false);
        row("line width 1", 31, "1", "T Li2", true);
        row("switch 5", 33, " 5 ", "Aff L2", true);
        row("switch with blanks, off by default", 35, " 1 ", "Aff L4", true);
        row("position -300", 2, "-300          84", "Pose H1", true);
    }

    void valueTheCardsCannotBeDrawnWith()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(bool, taken);
        const ParameterFileContents contents = parseParameterFile(records(2, 46 + line - 1, text));
        if (taken) {
            QCOMPARE(contents.problem.kind, Kind::None);
            QCOMPARE(contents.records.size(), 2);
            QCOMPARE(QString::number(contents.records.at(1).layout.value(key)), text.left(4).trimmed());
            return;
        }
        QCOMPARE(contents.records.size(), 1);
        QCOMPARE(contents.problem.kind, Kind::OutOfRange);
        QCOMPARE(contents.problem.line, 46 + line);
        QCOMPARE(contents.problem.recordStart, 47);
        QCOMPARE(contents.problem.key, key);
        QCOMPARE(contents.problem.field, text.left(4));
    }

    void storeEntriesOfARecord()
    {
        ParameterRecord record;
        record.background = u"C:\\Cartes\\fond.jpg"_s;
        record.layout.setValue(u"Pose V1"_s, -3);
        record.layout.setValue(u"Pose H1"_s, 84);
        record.layout.setValue(u"Coul L7"_s, 12);
        record.comment = u"73"_s;
        const auto entries = parameterRecordStoreEntries(record);
        QCOMPARE(entries.size(), 68);
        using Entry = std::pair<QString, QString>;
        QCOMPARE(entries.at(0), Entry("QSL de fond", "C:\\Cartes\\fond.jpg"));
        QCOMPARE(entries.at(1), Entry("Pose V1", "-3"));
        QCOMPARE(entries.at(23), Entry("Pose H1", "84"));
        QCOMPARE(entries.at(45).first, u"T Entete"_s);
        QCOMPARE(entries.at(53).first, u"Aff L1"_s);
        QCOMPARE(entries.at(66), Entry("Coul L7", "12"));
        QCOMPARE(entries.at(67), Entry("Commentaire", "73"));
    }
};

QTEST_MAIN(TestParameterFile)
#include "tst_parameter_file.moc"
