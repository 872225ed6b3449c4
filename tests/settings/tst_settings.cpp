#include "platform/file_writes.h"
#include "platform/text_file.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "support/test_store.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QTest>
#include <cerrno>

namespace
{

// INI lines ended as QSettings ends them on this system.
QString iniLines(QString lines)
{
#ifdef Q_OS_WIN
    lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
#endif
    return lines;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    // Saved when the outermost batch ends; a failure told once, values kept, all saved once it is gone.
    void batchesSaveOnce()
    {
        TestStore env;
        const QString path = env.settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini"), told = env.blockSettingsFile();
        {
            SettingsBatch batch(env.store, env.dialogs);
            batch.write(Key::QslDeFond, QStringLiteral("fond été.jpg"));
            SettingsBatch inner(env.store, env.dialogs);
            inner.write(Key::Commentaire, QString());
        }
        QCOMPARE(env.store.read(Key::Commentaire, QStringLiteral("absent")), QString());
        QVERIFY(!env.store.contains(Key::Language) && QDir(path).removeRecursively());
        {
            SettingsBatch batch(env.store, env.dialogs);
            batch.write(Key::Language, QStringLiteral("Gb"));
            QVERIFY(!QFileInfo::exists(path));
        }
        QVERIFY(env.store.writeAtOnce(Key::Revision, QStringLiteral("1")).ok()); // no batch: saved at once
        QCOMPARE(readTextFile(path).text,
                 iniLines("[Setup%20]\nCommentaire=\nLanguage=Gb\nQSL%20de%20fond=fond été.jpg\nRevision=1\n"));
        QCOMPARE(env.dialogs.messages(), QStringList{told});
        if (!kHasFifos)
            return;
        // A FIFO put in place of the file during the run would block whoever opens it: it is never
        // opened, and the run goes on with its values.
        QVERIFY(QFile::remove(path) && !makeFifo(path).isEmpty());
        QCOMPARE(env.store.writeAtOnce(Key::Revision, QStringLiteral(" 1.0.4")).reason(),
                 QString(told).replace("un dossier porte ce nom", "ce n'est pas un fichier ordinaire"));
        QCOMPARE(env.store.read(Key::Language, {}) + env.store.read(Key::Revision, {}), QStringLiteral("Gb 1.0.4"));
    }

    void sameFileAsQSettings_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text :
             {"plain", " lead", "trail ", "a,b", "a;b", "q\"uo\\te=", "@at", "été € 😀", "", "tab\tnew\nline",
              "ctl\x01"
              "1f",
              "C:\\Cartes\\ma.carte.jpg"})
            QTest::newRow(text) << QString::fromUtf8(text);
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b");
    }

    // The file the store writes is the one QSettings writes and reads, text for text, and the other
    // sections of the file stay as they were.
    void sameFileAsQSettings()
    {
        QFETCH(QString, text);
        TestStore env;
        const QString path = env.settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini");
        {
            QSettings qt(QSettings::IniFormat, QSettings::UserScope, "E_QSL", "E_QSL");
            qt.setValue("General key", "g");
            qt.setValue("Setup/Pose H1", "50");
            qt.setValue("Setup /Commentaire", text);
        }
        const QByteArray qtFile = readTextFile(path).text.toUtf8();
        QCOMPARE(SettingsStore(SettingsPlace::IniFile).read(Key::Commentaire, "absent"), text);
        env.setStored(Key::Language, "Gb");
        env.setStored(Key::Commentaire, text);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // The same bytes as QSettings', with the key written since in its place.
        QCOMPARE(file.readAll(), QByteArray(qtFile).insert(qtFile.indexOf('\n', qtFile.indexOf("Commentaire=")) + 1,
                                                           iniLines("Language=Gb\n").toUtf8()));
        const QSettings qt(QSettings::IniFormat, QSettings::UserScope, "E_QSL", "E_QSL");
        QCOMPARE(qt.value("Setup /Commentaire").toString() + qt.value("Setup/Pose H1").toString() +
                     qt.value("General key").toString(),
                 text + "50g");
    }

    // A file QSettings wrote without the section gets it as QSettings adds it: after an empty line.
    void sectionAddedAsQSettingsAddsIt()
    {
        TestStore env;
        const QString path = env.settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini");
        QSettings(QSettings::IniFormat, QSettings::UserScope, "E_QSL", "E_QSL").setValue("Setup/Pose H1", "50");
        env.setStored(Key::Language, "Gb");
        QCOMPARE(readTextFile(path).text, iniLines("[Setup]\nPose%20H1=50\n\n[Setup%20]\nLanguage=Gb\n"));
    }

    // What another run saved meanwhile is kept by this run's next save; a command that writes
    // nothing new writes nothing (a file that can no longer be written is not told again); a write
    // made at once during a command waits for the command's end.
    void otherRunsAndNothingNew()
    {
        TestStore env;
        QVERIFY(!env.store.contains(Key::Language)); // this run has read the file
        QVERIFY(SettingsStore(SettingsPlace::IniFile).writeAtOnce(Key::Language, "Gb").ok());
        env.setStored(Key::Commentaire, "73");
        SettingsStore next(SettingsPlace::IniFile);
        QCOMPARE(next.read(Key::Language, {}) + next.read(Key::Commentaire, {}), QStringLiteral("Gb73"));
        const QString told = env.blockSettingsFile();
        {
            SettingsBatch nothingNew(env.store, env.dialogs);
        }
        QVERIFY(env.dialogs.messages().isEmpty());
        {
            SettingsBatch batch(env.store, env.dialogs);
            QVERIFY(env.store.writeAtOnce(Key::Revision, "1").ok());
            batch.write(Key::Language, "Fr");
        }
        QCOMPARE(env.dialogs.messages(), QStringList{told});
    }

#ifndef Q_OS_WIN
    // A settings file that cannot be read (here one whose reading fails) is never written over:
    // every value it holds would be lost. The run goes on with what it chose.
    void unreadableFileKept()
    {
        TestStore env;
        const QString path = env.settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini");
        QVERIFY(QDir().mkpath(env.settingsFolder() + "/E_QSL") && QFile::link("/proc/self/clear_refs", path));
        QCOMPARE(env.store.writeAtOnce(Key::Language, "Gb").reason().section("\r\n", 1, 1),
                 path + " : le fichier ne peut pas être lu");
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(env.store.read(Key::Language, {}), QStringLiteral("Gb"));
    }
#endif

    // On a full disk or a failing medium the file stays as it was, byte for byte; the keys stay
    // pending and reach the file with the next synchronisation that succeeds.
    void failedWriteKeepsTheFile()
    {
        TestStore env;
        const QString path = env.settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini");
        env.setStored(Key::QslDeFond, "/home/f6xyz/fond.jpg");
        const QByteArray before = readTextFile(path).text.toUtf8();
        QStringList told;
        for (const int error : {ENOSPC, EIO}) {
            setFileFaultHook([error](FileStep step, const QString&) { return step == FileStep::Write ? error : 0; });
            told << env.store.writeAtOnce(Key::Language, "Gb").reason().section("\r\n", 1, 1).section(" : ", 1);
            setFileFaultHook({});
            QCOMPARE(readTextFile(path).text.toUtf8(), before);
        }
        QCOMPARE(told, QStringList({"le disque est plein", "le support de stockage signale une erreur d'écriture"}));
        QCOMPARE(env.store.sync().reason(), QString());
        QCOMPARE(SettingsStore(SettingsPlace::IniFile).read(Key::Language, {}) +
                     SettingsStore(SettingsPlace::IniFile).read(Key::QslDeFond, {}),
                 QStringLiteral("Gb/home/f6xyz/fond.jpg"));
    }

    // A lock that cannot be taken (here a folder of its name, left an hour ago) is waited for a few
    // seconds only: the store is then read-only for the run, told once, and goes on with its values.
    void lockThatCannotBeTaken()
    {
        TestStore env;
        const QString path = env.settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini");
        env.setStored(Key::Revision, " 1.0.3");
        QVERIFY(QDir().mkpath(path + ".lock"));
        QElapsedTimer waited;
        waited.start();
        for (const char* language : {"Gb", "Fr"}) {
            SettingsBatch batch(env.store, env.dialogs);
            batch.write(Key::Language, language);
        }
        QVERIFY(waited.elapsed() < 60000);
        QCOMPARE(env.dialogs.messages(),
                 QStringList{"Les réglages ne peuvent pas être enregistrés :\r\n" + QDir::toNativeSeparators(path) +
                             ".lock : le verrou des réglages ne peut pas être pris (un autre programme les enregistre, "
                             "ou le verrou ne peut pas être levé)\r\nLes réglages restent en lecture seule jusqu'à la "
                             "fermeture du programme ; les choix faits restent en vigueur jusque-là."});
        QCOMPARE(env.store.read(Key::Language, {}), QStringLiteral("Fr"));
        QCOMPARE(readTextFile(path).text, iniLines("[Setup%20]\nRevision=\" 1.0.3\"\n"));
    }

#ifdef Q_OS_WIN
    // On Windows the program's store is the current user's registry, where QSettings finds it; an
    // empty text stays apart from an absent key. The user's own values are put back afterwards.
    void storedInTheRegistry()
    {
        const QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\E_QSL\\Setup ");
        QSettings registry(key, QSettings::NativeFormat);
        QMap<QString, QVariant> users;
        for (const QString& name : registry.childKeys())
            users.insert(name, registry.value(name));
        registry.clear();
        registry.sync();
        {
            SettingsStore store;
            QCOMPARE(store.fileName(), key);
            QVERIFY(store.writeAtOnce(Key::Commentaire, QString()).ok());
            QVERIFY(store.writeAtOnce(Key::QslDeFond, QStringLiteral("C:\\QSL\\fond été.jpg")).ok());
        }
        SettingsStore again;
        const QStringList seen = {again.value(Key::Commentaire).value_or(QStringLiteral("absent")),
                                  again.value(Key::QslDeFond).value_or(QStringLiteral("absent")),
                                  again.value(Key::Language).value_or(QStringLiteral("absent")),
                                  QSettings(key, QSettings::NativeFormat).value(Key::QslDeFond).toString()};
        registry.clear();
        for (auto it = users.cbegin(); it != users.cend(); ++it)
            registry.setValue(it.key(), it.value());
        registry.sync();
        QCOMPARE(seen, QStringList({QString(), "C:\\QSL\\fond été.jpg", "absent", "C:\\QSL\\fond été.jpg"}));
    }
#endif
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
