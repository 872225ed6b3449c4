#include "layout/card_layout.h"
#include "platform/text_file.h"
#include "support/data_rows.h"
#include "support/test_environment.h"

#include <QSettings>
#include <QTest>

// The rows of tests/data/settings/<file>, split at "|", then the row's number.
static void addRows(const char* file)
{
    QTest::addColumn<QStringList>("row");
    int number = 0;
    for (const QString& row : dataLines(dataPath(QStringLiteral("settings/") + QLatin1String(file))))
        QTest::newRow(qPrintable(row)) << (row.split(QLatin1Char('|')) << QString::number(number++));
}

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    // Saved when the outermost batch ends; a failure told once, values kept, all saved once it is gone.
    void batchesSaveOnce()
    {
        TestEnvironment env;
        const QString path = env.settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini"), told = env.blockSettingsFile();
        {
            SettingsBatch batch(env.store, env.dialogs);
            env.store.write(Key::QslDeFond, QStringLiteral("fond été.jpg"));
            SettingsBatch inner(env.store, env.dialogs);
            env.store.write(Key::Commentaire, QString());
        }
        QCOMPARE(env.store.read(Key::Commentaire, QStringLiteral("absent")), QString());
        QVERIFY(!env.store.contains(Key::Language) && QDir(path).removeRecursively());
        {
            SettingsBatch batch(env.store, env.dialogs);
            env.store.write(Key::Language, QStringLiteral("Gb"));
            QVERIFY(!QFileInfo::exists(path));
        }
        env.store.write(Key::Revision, QStringLiteral("1")); // no batch: saved at once
        QCOMPARE(readTextFile(path).text,
                 QString("[Setup%20]\nCommentaire=\nLanguage=Gb\nQSL%20de%20fond=fond été.jpg\nRevision=1\n"));
        QCOMPARE(env.dialogs.messages(), QStringList{told});
        // A FIFO put in place of the file during the run would block whoever opens it: it is never
        // opened, and the run goes on with its values.
        QVERIFY(QFile::remove(path) && !makeFifo(path).isEmpty());
        env.store.write(Key::Revision, QStringLiteral(" 1.0.4"));
        QCOMPARE(env.store.sync(),
                 QString(told).replace("un dossier porte ce nom", "ce n'est pas un fichier ordinaire"));
        QCOMPARE(env.store.read(Key::Language, {}) + env.store.read(Key::Revision, {}), QStringLiteral("Gb 1.0.4"));
    }

    void layoutDefaults_data() { addRows("layout-keys.txt"); }
    // Each reader's own default for an absent key, nothing written back; the keys in the order written.
    void layoutDefaults()
    {
        QFETCH(QStringList, row);
        TestEnvironment env;
        CardLayout layout;
        layout.load(env.store, LayoutReader::StartUp);
        QCOMPARE(QString::number(layout.value(row[0])), row[1]);
        QCOMPARE(kLayoutValues[layoutKeyIndex(row[0])].fallback(LayoutReader::Editor), row[2].toDouble());
        layout.load(env.store, LayoutReader::Export);
        QCOMPARE(QString::number(layout.value(row[0])), row[3]);
        QVERIFY(!env.store.contains(row[0]));
        QCOMPARE(layoutWriteOrder()[row.last().toInt()], row[0]);
    }

    void storedTexts_data() { addRows("stored-texts.txt"); }
    // Texts come back exactly and read in the user's number format; "Setup" is another section.
    void storedTexts()
    {
        QFETCH(QStringList, row);
        TestEnvironment env(QLocale(QLocale::French));
        QSettings(QSettings::IniFormat, QSettings::UserScope, "E_QSL", "E_QSL").setValue("Setup/Pose H1", "50");
        env.store.write(QStringLiteral("Pose H7"), row[0]);
        QCOMPARE(SettingsStore().read(QStringLiteral("Pose H7"), QString()), row[0]);
        CardLayout layout;
        layout.load(env.store, LayoutReader::StartUp);
        QCOMPARE(QList<int>({layout.h(7), layout.h(1)}), QList<int>({row[1].toInt(), 5}));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
