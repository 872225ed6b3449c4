#include "layout/layout_texts.h"
#include "settings/settings_store.h"
#include "support/test_environment.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The editor's texts: as it reads them from the store, and the order in which it stores them.
class TestLayoutTexts : public QObject
{
    Q_OBJECT
private slots:
    // Each stored text as the editor shows it: the other texts unchanged, a switch as the state of its
    // check box, and what no check box can show as the editor's default.
    void storedTextsShown_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* tag, const char* key, const char* stored, const char* shown) {
            QTest::newRow(tag) << key << stored << shown;
        };
        row("decimal comma", "Pose H3", "12,5", "12,5");
        row("not a number", "T QSO", "abc", "abc");
        row("blanks", "Coul L2", " 7 ", " 7 ");
        row("empty is not absent", "Pose V9", "", "");
        row("switch ticked", "Aff L4", "1", "1");
        row("switch clear", "Aff L1", "0", "0");
        row("switch greyed", "Aff L5", "2", "2");
        row("switch with blanks around", "Aff L6", " 1 ", "1");
        row("switch fraction rounds", "Aff L7", "0,6", "1");
        row("switch not a number, default on", "Aff L2", "oui", "1");
        row("switch not a number, default off", "Aff L4", "oui", "0");
        row("switch out of range", "Aff L4", "3", "0");
        row("negative switch", "Aff L3", "-1", "1");
    }

    void storedTextsShown()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        TestEnvironment env;
        useFrenchNumberFormat();
        env.store.write(key, stored);
        QCOMPARE(readEditorTexts(env.store).text(key), shown);
    }

    void storeEntriesFollowTheEditorsOrder()
    {
        LayoutTexts texts;
        for (int i = 0; i < kLayoutValueCount; ++i)
            texts.values[i] = u"text of "_s + QLatin1String(kLayoutValues[i].key);
        texts.comment = u"mon commentaire"_s;

        const auto entries = editorStoreEntries(texts);
        QStringList keys;
        for (const auto& [key, text] : entries)
            keys << key;
        QStringList expected;
        for (const QChar axis : {u'V', u'H'})
            for (int n = 1; n <= 22; ++n)
                expected << u"Pose %1%2"_s.arg(axis).arg(n);
        expected << QStringList{"T Entete", "T QSO",    "T Call",   "T Via",   "T Comment",  "T QSL",
                                "T Li1",    "T Li2",    "Aff L1",   "Aff L2",  "Aff L3",     "Aff L4",
                                "Aff L5",   "Aff L6",   "Aff L7",   "Coul L1", "Coul L2",    "Coul L3",
                                "Coul L4",  "Coul Li1", "Coul Li2", "Coul L7", "Commentaire"};
        QCOMPARE(keys, expected);
        // Each key carries its own text.
        for (int i = 0; i < kLayoutValueCount; ++i)
            QCOMPARE(entries.at(i).second, u"text of "_s + entries.at(i).first);
        QCOMPARE(entries.at(66).second, u"mon commentaire"_s);
    }
};

QTEST_MAIN(TestLayoutTexts)
#include "tst_layout_texts.moc"
