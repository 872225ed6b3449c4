#include "layout/card_layout.h"
#include "settings/settings_keys.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

namespace
{

// The settings file opened by hand, as another program would.
QSettings rawFile()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("E_QSL"), QStringLiteral("E_QSL"));
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void tellsAnAbsentKeyFromAnEmptyOne()
    {
        TestEnvironment env;
        QVERIFY(!env.store.value(Key::Commentaire));
        QCOMPARE(env.store.read(Key::Commentaire, QStringLiteral("fallback")), QStringLiteral("fallback"));
        env.store.write(Key::Commentaire, QString());
        QVERIFY(env.store.contains(Key::Commentaire));
        QCOMPARE(env.store.read(Key::Commentaire, QStringLiteral("fallback")), QString());
    }

    // The store is the INI file "E_QSL/E_QSL.ini" of the user's settings folder (~/.config on Linux),
    // section "Setup " written with its blank escaped.
    void keptInAnIniFileOfTheUser()
    {
        TestEnvironment env;
        const QString path = env.settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini");
        QVERIFY(!QFile::exists(path));
        env.store.write(Key::QslDeFond, QStringLiteral("fond été.jpg"));
        env.store.write(Key::Commentaire, QString());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.startsWith(QStringLiteral("[Setup%20]\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("\nQSL%20de%20fond=fond été.jpg\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("\nCommentaire=\n")), qPrintable(text));
    }

    // A handler's writes reach the file together when its batch ends; a failure is told once,
    // naming the file and the reason, and the run goes on with the values written. Once the cause
    // is gone, the next batch saves them all.
    void batchSavesOnceAndTellsAFailureOnce_data()
    {
        QTest::addColumn<QString>("inTheWay");
        QTest::addColumn<QString>("reason");
        QTest::newRow("saved") << QString() << QString();
        QTest::newRow("a folder in place of the file") << "E_QSL/E_QSL.ini"
                                                       << "un dossier porte ce nom";
        QTest::newRow("a file in place of its folder") << "E_QSL"
                                                       << "son dossier ne peut pas être créé";
    }

    void batchSavesOnceAndTellsAFailureOnce()
    {
        QFETCH(QString, inTheWay);
        QFETCH(QString, reason);
        TestEnvironment env;
        const QString path = env.settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini");
        const QString blocker = env.settingsFolder() + QLatin1Char('/') + inTheWay;
        if (inTheWay.endsWith(QStringLiteral(".ini")))
            QDir().mkpath(blocker);
        else if (!inTheWay.isEmpty())
            env.writeScratchFile(QStringLiteral("../settings/") + inTheWay, "a file");
        {
            SettingsBatch batch(env.store, env.dialogs);
            env.store.write(Key::QslDeFond, QStringLiteral("choisi.jpg"));
            {
                SettingsBatch inner(env.store, env.dialogs);
                env.store.write(Key::Commentaire, QStringLiteral("73"));
            }
            QVERIFY(!QFileInfo(path).isFile()); // nothing written before the outermost batch ends
        }
        const QStringList told =
            reason.isEmpty()
                ? QStringList()
                : QStringList{
                      QStringLiteral("Les réglages ne peuvent pas être enregistrés :\r\n") + path +
                      QStringLiteral(" : ") + reason +
                      QStringLiteral("\r\nLes choix faits restent en vigueur jusqu'à la fermeture du programme.")};
        QCOMPARE(env.dialogs.messages(), told);
        QCOMPARE(env.store.read(Key::QslDeFond, QString()), QStringLiteral("choisi.jpg"));
        QCOMPARE(QFileInfo(path).isFile(), reason.isEmpty());

        if (!inTheWay.isEmpty())
            QVERIFY(QFile::remove(blocker) || QDir(blocker).removeRecursively());
        {
            SettingsBatch batch(env.store, env.dialogs);
            env.store.write(Key::Language, QStringLiteral("Gb"));
        }
        QCOMPARE(env.dialogs.messages(), told);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Setup%20]\nCommentaire=73\nLanguage=Gb\nQSL%20de%20fond=choisi.jpg\n"));
    }

    // A FIFO in place of the file would block whoever opens it: it is never opened, the values
    // live for the run and every batch tells that they are not saved.
    void fifoInPlaceOfTheFileIsNeverOpened()
    {
        TestEnvironment env;
        const QString path = env.settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini");
        QDir().mkpath(env.settingsFolder() + QStringLiteral("/E_QSL"));
        makeFifo(path);
        QVERIFY(!env.store.contains(Key::QslDeFond));
        {
            SettingsBatch batch(env.store, env.dialogs);
            env.store.write(Key::QslDeFond, QStringLiteral("choisi.jpg"));
        }
        QCOMPARE(env.dialogs.messages(),
                 QStringList{QStringLiteral("Les réglages ne peuvent pas être enregistrés :\r\n") + path +
                             QStringLiteral(" : ce n'est pas un fichier ordinaire\r\nLes choix faits restent en "
                                            "vigueur jusqu'à la fermeture du programme.")});
        QCOMPARE(env.store.read(Key::QslDeFond, QString()), QStringLiteral("choisi.jpg"));
    }

    void keepsTextsExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("decimal comma") << "12,5";
        QTest::newRow("blanks around") << " 7 ";
        QTest::newRow("list-like") << "a, b, c";
        QTest::newRow("path with blanks and accents") << "/home/moi/Mes cartes/été.jpg";
        QTest::newRow("Windows path") << "C:\\Cartes\\ma.carte.jpg";
        QTest::newRow("line with columns") << "F1ABC         15/03/24  14:05  14 Mhz    SSB      59        Non    ";
        QTest::newRow("quotes and semicolon") << "\"quoted\"; semi";
    }

    void keepsTextsExactly()
    {
        QFETCH(QString, text);
        TestEnvironment env;
        env.store.write(QStringLiteral("Pose H1"), text);
        QCOMPARE(env.store.read(QStringLiteral("Pose H1"), QString()), text);
        // A second store over the same file sees it too: nothing is cached.
        QCOMPARE(SettingsStore().read(QStringLiteral("Pose H1"), QString()), text);
    }

    void neverReadsTheSectionWithoutItsBlank()
    {
        TestEnvironment env;
        {
            QSettings raw = rawFile();
            raw.setValue(QStringLiteral("Setup/QSL de fond"), QStringLiteral("elsewhere.jpg"));
            raw.setValue(QStringLiteral("Setup/Pose H1"), QStringLiteral("50"));
        }
        QVERIFY(!env.store.value(Key::QslDeFond));
        CardLayout layout;
        layout.load(env.store, LayoutReader::StartUp);
        QCOMPARE(layout.h(1), qint16(5));

        env.store.write(Key::QslDeFond, QStringLiteral("mine.jpg"));
        QSettings raw = rawFile();
        QCOMPARE(raw.value(QStringLiteral("Setup /QSL de fond")).toString(), QStringLiteral("mine.jpg"));
        QCOMPARE(raw.value(QStringLiteral("Setup/QSL de fond")).toString(), QStringLiteral("elsewhere.jpg"));
    }

    void layoutKeysAreSixtySixDistinctKeys()
    {
        QSet<QString> keys;
        for (const LayoutValue& entry : kLayoutValues)
            keys.insert(QLatin1String(entry.key));
        QCOMPARE(keys.size(), kLayoutValueCount);
        for (const QString& key : layoutWriteOrder())
            QVERIFY2(keys.contains(key), qPrintable(key));
        const std::pair<const char*, int> places[] = {{"Pose H1", 0}, {"Pose V22", 43}, {"T Entete", 44},
                                                      {"Aff L1", 52}, {"Coul L7", 65},  {"PoseH1", -1}};
        for (const auto& [key, index] : places)
            QCOMPARE(layoutKeyIndex(QLatin1String(key)), index);
    }

    void writeOrderRunsVerticalsFirst()
    {
        const auto& order = layoutWriteOrder();
        const std::pair<int, const char*> places[] = {{0, "Pose V1"},   {21, "Pose V22"}, {22, "Pose H1"},
                                                      {44, "T Entete"}, {51, "T Li2"},    {52, "Aff L1"},
                                                      {59, "Coul L1"},  {63, "Coul Li1"}, {65, "Coul L7"}};
        for (const auto& [index, key] : places)
            QCOMPARE(order[index], QLatin1String(key));
    }

    void readersApplyTheirOwnDefaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("startUp");
        QTest::addColumn<int>("exportWindow");

        QTest::newRow("Pose H7") << "Pose H7" << 39 << 40;
        QTest::newRow("Pose H14") << "Pose H14" << 6 << 8;
        QTest::newRow("Pose V14") << "Pose V14" << 91 << 92;
        QTest::newRow("Pose H15") << "Pose H15" << 16 << 14;
        QTest::newRow("Pose V15") << "Pose V15" << 91 << 92;
        QTest::newRow("Pose V20") << "Pose V20" << 20 << 10;
        QTest::newRow("Pose V21") << "Pose V21" << 20 << 10;
        QTest::newRow("T Entete") << "T Entete" << 13 << 12;
        QTest::newRow("T QSO") << "T QSO" << 13 << 12;
        QTest::newRow("T Call") << "T Call" << 14 << 13;
        QTest::newRow("Aff L3") << "Aff L3" << 1 << 1;
        QTest::newRow("Aff L4") << "Aff L4" << 0 << 0;
        QTest::newRow("Coul L7") << "Coul L7" << 0 << 0;
    }

    void readersApplyTheirOwnDefaults()
    {
        QFETCH(QString, key);
        QFETCH(int, startUp);
        QFETCH(int, exportWindow);
        TestEnvironment env;
        CardLayout layout;
        layout.load(env.store, LayoutReader::StartUp);
        QCOMPARE(int(layout.value(key)), startUp);
        layout.load(env.store, LayoutReader::Export);
        QCOMPARE(int(layout.value(key)), exportWindow);
        // Nothing writes defaults back.
        QVERIFY(!env.store.contains(key));
    }

    void convertsStoredTexts_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");

        // "Pose H7" has the start-up default 39.
        QTest::newRow("digit with blanks") << " 7 " << 7;
        QTest::newRow("decimal comma rounds up to even") << "91,5" << 92;
        QTest::newRow("decimal comma rounds down to even") << "12,5" << 12;
        QTest::newRow("negative") << "-3" << -3;
        QTest::newRow("empty gives the default") << "" << 39;
        QTest::newRow("text gives the default") << "abc" << 39;
        QTest::newRow("out of range gives the default") << "40000" << 39;
        QTest::newRow("decimal point under French gives the default") << "12.5" << 39;
    }

    void convertsStoredTexts()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        TestEnvironment env;
        useFrenchNumberFormat();
        env.store.write(QStringLiteral("Pose H7"), stored);
        CardLayout layout;
        layout.load(env.store, LayoutReader::StartUp);
        QCOMPARE(int(layout.h(7)), expected);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
