#include "layout/layout_texts.h"
#include "settings/settings_store.h"
#include "support/test_environment.h"

#include <QTest>

// The editor's texts: its defaults on an empty store, and the order in which it stores them.
class TestLayoutTexts : public QObject
{
    Q_OBJECT
private slots:
    void editorDefaultsOnAnEmptyStore_data();
    void editorDefaultsOnAnEmptyStore();
    void verticalFifteenDefaultFollowsTheNumberFormat_data();
    void verticalFifteenDefaultFollowsTheNumberFormat();
    void storedTextsComeBackUnchanged_data();
    void storedTextsComeBackUnchanged();
    void switchStatesFromStoredTexts_data();
    void switchStatesFromStoredTexts();
    void storeEntriesFollowTheEditorsOrder();
    void writesEveryTextAsTyped();
    void commentLimit();
};

void TestLayoutTexts::editorDefaultsOnAnEmptyStore_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    // Where the editor's defaults differ from the other readers', and a sample of the rest.
    QTest::newRow("Pose H1") << "Pose H1"
                             << "5";
    QTest::newRow("Pose V1") << "Pose V1"
                             << "84";
    QTest::newRow("Pose H7") << "Pose H7"
                             << "40";
    QTest::newRow("Pose H14") << "Pose H14"
                              << "6";
    QTest::newRow("Pose V14") << "Pose V14"
                              << "91";
    QTest::newRow("Pose H15") << "Pose H15"
                              << "16";
    QTest::newRow("Pose H17") << "Pose H17"
                              << "69";
    QTest::newRow("Pose V20") << "Pose V20"
                              << "20";
    QTest::newRow("Pose V21") << "Pose V21"
                              << "20";
    QTest::newRow("Pose H22") << "Pose H22"
                              << "10";
    QTest::newRow("T Entete") << "T Entete"
                              << "12";
    QTest::newRow("T QSO") << "T QSO"
                           << "12";
    QTest::newRow("T Call") << "T Call"
                            << "13";
    QTest::newRow("T Li2") << "T Li2"
                           << "1";
    QTest::newRow("Aff L1") << "Aff L1"
                            << "1";
    QTest::newRow("Aff L3") << "Aff L3"
                            << "1";
    QTest::newRow("Aff L4") << "Aff L4"
                            << "0";
    QTest::newRow("Aff L7") << "Aff L7"
                            << "0";
    QTest::newRow("Coul Li1") << "Coul Li1"
                              << "0";
    QTest::newRow("Coul L7") << "Coul L7"
                             << "0";
}

void TestLayoutTexts::editorDefaultsOnAnEmptyStore()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TestEnvironment env;
    const LayoutTexts texts = readEditorTexts(env.store);
    QCOMPARE(texts.text(key), expected);
    QCOMPARE(texts.comment, QString());
    // Reading writes nothing back.
    QVERIFY(!env.store.contains(key));
}

void TestLayoutTexts::verticalFifteenDefaultFollowsTheNumberFormat_data()
{
    QTest::addColumn<bool>("french");
    QTest::addColumn<QString>("expected");
    QTest::newRow("French") << true << "91,5";
    QTest::newRow("C") << false << "91.5";
}

void TestLayoutTexts::verticalFifteenDefaultFollowsTheNumberFormat()
{
    QFETCH(bool, french);
    QFETCH(QString, expected);
    TestEnvironment env;
    if (french)
        useFrenchNumberFormat();
    QCOMPARE(readEditorTexts(env.store).text(QStringLiteral("Pose V15")), expected);
}

void TestLayoutTexts::storedTextsComeBackUnchanged_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::newRow("decimal comma") << "Pose H3"
                                   << "12,5";
    QTest::newRow("not a number") << "T QSO"
                                  << "abc";
    QTest::newRow("blanks") << "Coul L2"
                            << " 7 ";
    QTest::newRow("empty is not absent") << "Pose V9"
                                         << "";
}

void TestLayoutTexts::storedTextsComeBackUnchanged()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    TestEnvironment env;
    env.store.write(key, stored);
    QCOMPARE(readEditorTexts(env.store).text(key), stored);
}

void TestLayoutTexts::switchStatesFromStoredTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("state");
    QTest::newRow("ticked") << "Aff L4"
                            << "1"
                            << "1";
    QTest::newRow("clear") << "Aff L1"
                           << "0"
                           << "0";
    QTest::newRow("greyed") << "Aff L5"
                            << "2"
                            << "2";
    QTest::newRow("blanks around") << "Aff L6"
                                   << " 1 "
                                   << "1";
    QTest::newRow("fraction rounds") << "Aff L7"
                                     << "0,6"
                                     << "1";
    // What no check box can show gives the editor's default.
    QTest::newRow("not a number, default on") << "Aff L2"
                                              << "oui"
                                              << "1";
    QTest::newRow("not a number, default off") << "Aff L4"
                                               << "oui"
                                               << "0";
    QTest::newRow("out of range") << "Aff L4"
                                  << "3"
                                  << "0";
    QTest::newRow("negative") << "Aff L3"
                              << "-1"
                              << "1";
}

void TestLayoutTexts::switchStatesFromStoredTexts()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, state);
    TestEnvironment env;
    useFrenchNumberFormat();
    env.store.write(key, stored);
    QCOMPARE(readEditorTexts(env.store).text(key), state);
}

void TestLayoutTexts::storeEntriesFollowTheEditorsOrder()
{
    LayoutTexts texts;
    for (int i = 0; i < kLayoutKeyCount; ++i)
        texts.values[i] = QStringLiteral("text of ") + QLatin1String(kLayoutKeys[i].key);
    texts.comment = QStringLiteral("mon commentaire");

    const auto entries = editorStoreEntries(texts);
    QCOMPARE(entries.size(), 67);
    QCOMPARE(entries.at(0).first, QStringLiteral("Pose V1"));
    QCOMPARE(entries.at(21).first, QStringLiteral("Pose V22"));
    QCOMPARE(entries.at(22).first, QStringLiteral("Pose H1"));
    QCOMPARE(entries.at(43).first, QStringLiteral("Pose H22"));
    const QStringList rest = {"T Entete", "T QSO",    "T Call",   "T Via",   "T Comment",  "T QSL",
                              "T Li1",    "T Li2",    "Aff L1",   "Aff L2",  "Aff L3",     "Aff L4",
                              "Aff L5",   "Aff L6",   "Aff L7",   "Coul L1", "Coul L2",    "Coul L3",
                              "Coul L4",  "Coul Li1", "Coul Li2", "Coul L7", "Commentaire"};
    for (int i = 0; i < rest.size(); ++i)
        QCOMPARE(entries.at(44 + i).first, rest.at(i));
    // Each key carries its own text.
    for (int i = 0; i < kLayoutKeyCount; ++i)
        QCOMPARE(entries.at(i).second, QStringLiteral("text of ") + entries.at(i).first);
    QCOMPARE(entries.at(66).second, QStringLiteral("mon commentaire"));
}

void TestLayoutTexts::writesEveryTextAsTyped()
{
    TestEnvironment env;
    LayoutTexts texts = readEditorTexts(env.store);
    texts.setText(QStringLiteral("Pose H8"), QStringLiteral("12,5"));
    texts.setText(QStringLiteral("Aff L5"), QStringLiteral("2"));
    texts.comment = QStringLiteral(" 73 à tous ");
    writeEditorTexts(env.store, texts);
    QCOMPARE(env.store.value(QStringLiteral("Pose H8")), std::optional<QString>(QStringLiteral("12,5")));
    QCOMPARE(env.store.value(QStringLiteral("Aff L5")), std::optional<QString>(QStringLiteral("2")));
    QCOMPARE(env.store.value(QStringLiteral("Commentaire")), std::optional<QString>(QStringLiteral(" 73 à tous ")));
    // Everything the editor shows is in the store, so reading it back gives the same texts.
    QCOMPARE(readEditorTexts(env.store), texts);
}

void TestLayoutTexts::commentLimit()
{
    QVERIFY(!commentTooLong(QString(30, QLatin1Char('x'))));
    QVERIFY(commentTooLong(QString(31, QLatin1Char('x'))));
    QVERIFY(!commentTooLong(QString(30, QChar(0xE9)))); // accented letters count as one character
}

QTEST_MAIN(TestLayoutTexts)
#include "tst_layout_texts.moc"
