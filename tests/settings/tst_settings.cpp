#include "platform/file_writes.h"
#include "platform/text_file.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "support/case_files.h"
#include "support/test_store.h"

#include <QDirIterator>
#include <QLockFile>
#include <QSemaphore>
#include <QSettings>
#include <QTest>
#include <QThread>
#include <cerrno>
#include <functional>
#include <thread>
#ifndef Q_OS_WIN
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

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

// A file's lines, in the order to compare them with what QSettings writes: on Linux QSettings
// writes a section's keys by name, on Windows in the order the file had them (a new key last),
// where they are compared by name.
QStringList inOrder(const QString& text)
{
    QStringList lines = text.split(QStringLiteral("\n"));
#ifdef Q_OS_WIN
    lines.sort();
#endif
    return lines;
}

QString settingsFile(const TestStore& env)
{
    return env.settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini");
}

// Writes a file as a user's editor or another program would, dated an hour ago.
void putFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime);
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// What a write that replaced the file would change: a link, its target, the size and the date.
QString fileState(const QString& path)
{
    const QFileInfo info(path);
    return (info.isSymLink() ? QStringLiteral("link to ") + info.symLinkTarget() : QStringLiteral("file")) +
           QStringLiteral(", %1 bytes, ").arg(info.size()) + info.lastModified().toUTC().toString(Qt::ISODateWithMs);
}

// How a row's condition is made in its child process.
enum class Child {
    // An ordinary user: "nobody" when the suite runs as root, who may read and write anything.
    OrdinaryUser,
    // With mounts of its own (a small file system of the test's), in a mount namespace of the
    // child's that goes with it.
    OwnMounts,
};

#ifndef Q_OS_WIN
// Makes the calling process's mounts its own, as root or in a user namespace of its own.
bool ownMounts()
{
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (uid != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        const auto put = [](const char* file, const QByteArray& text) {
            QFile map(QString::fromLatin1(file));
            return map.open(QIODevice::WriteOnly) && map.write(text) == text.size();
        };
        if (!put("/proc/self/setgroups", "deny") || !put("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1") ||
            !put("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1"))
            return false;
    } else if (::unshare(CLONE_NEWNS) != 0)
        return false;
    // Nothing mounted here reaches the other processes.
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// What `body` gives when run in a child process as `child` says, the test's folder `root` being
// that user's; "unavailable: ..." when the system does not let the child be made so.
QString inChild(Child child, const QString& root, const std::function<QString()>& body)
{
    if (child == Child::OrdinaryUser && ::geteuid() == 0) {
        QDirIterator files(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDirIterator::Subdirectories);
        while (files.hasNext())
            (void)::lchown(QFile::encodeName(files.next()).constData(), 65534, 65534);
        (void)::lchown(QFile::encodeName(root).constData(), 65534, 65534);
    }
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return QStringLiteral("unavailable: no pipe");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeEnds[0]);
        QByteArray seen;
        if (child == Child::OwnMounts && !ownMounts())
            seen = "unavailable: no mount namespace";
        // Dumpable again after the change of user, so that its /proc/self is its own.
        else if (child == Child::OrdinaryUser && ::geteuid() == 0 &&
                 (::setgid(65534) != 0 || ::setuid(65534) != 0 || ::prctl(PR_SET_DUMPABLE, 1) != 0))
            seen = "unavailable: no user nobody";
        else
            seen = body().toUtf8();
        (void)!::write(pipeEnds[1], seen.constData(), size_t(seen.size()));
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    QByteArray seen;
    char block[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], block, sizeof block)) > 0;)
        seen.append(block, n);
    ::close(pipeEnds[0]);
    ::waitpid(pid, nullptr, 0);
    return QString::fromUtf8(seen);
}

// Mounts a file system of `kilobytes` on the folder, in the child's own mounts.
bool mountSmallDisk(const QString& folder, int kilobytes, unsigned long flags = 0)
{
    QDir().mkpath(folder);
    return ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", flags,
                   QByteArray("size=" + QByteArray::number(kilobytes) + "k").constData()) == 0;
}

bool setMode(const QString& path, QFileDevice::Permissions mode)
{
    return QFile::setPermissions(path, mode);
}

constexpr auto kFolderMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                             QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                             QFileDevice::ExeOther;
#endif

// A condition of the settings file that makes a save fail: made before the run starts (the file
// holding "Commentaire=73" already; false when the system does not let the test make it), gone once
// the user has put it right.
struct Condition {
    Child child = Child::OrdinaryUser;
    std::function<bool(const QString& file)> make;
    std::function<void(const QString& file, SettingsStore& store)> gone;
};

QString dotfile(const QString& file)
{
    return QFileInfo(file).path() + QStringLiteral("/../../scratch/dotfiles/E_QSL.ini");
}

// Makes the settings file a link to a file of a folder of dotfiles, which takes its bytes.
void linkToDotfile(const QString& file)
{
    const QString target = dotfile(file);
    QDir().mkpath(QFileInfo(target).path());
    QFile::rename(file, target);
    QFile::link(QStringLiteral("../../scratch/dotfiles/E_QSL.ini"), file);
}

} // namespace

Q_DECLARE_METATYPE(Condition)

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

    void filesAsFound_data()
    {
        QTest::addColumn<QByteArray>("found");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("after");
        const QString kept = "[Setup%20]\nCommentaire=73\nRevision=\" 1.0.4\"\n";
        addRow("byte order mark, as Notepad saves it", QByteArray("\xEF\xBB\xBF[Setup%20]\r\nCommentaire=73\r\n"),
               false, QStringLiteral("73"), kept);
        addRow("last line without its line end", QByteArray("[Setup%20]\nLanguage=Gb\nCommentaire=73"), false,
               QStringLiteral("73"), "[Setup%20]\nCommentaire=73\nLanguage=Gb\nRevision=\" 1.0.4\"\n");
        addRow("commas typed in the comment (a list to QSettings)", QByteArray("[Setup%20]\nCommentaire=Bon QSO, 73\n"),
               false, QStringLiteral("Bon QSO, 73"), "[Setup%20]\nCommentaire=Bon QSO, 73\nRevision=\" 1.0.4\"\n");
        addRow("a text kept as a variant",
               QByteArray("[Setup%20]\nCommentaire=@Variant(\\0\\0\\0\\n\\0\\0\\0\\x4\\0\\x37\\0\\x33)\n"), false,
               QStringLiteral("73"), kept);
        addRow("a value continued on the next line", QByteArray("[Setup%20]\nCommentaire=7\\\n3\n"), false,
               QStringLiteral("73"), kept);
        addRow("QSettings' mark of no value", QByteArray("[Setup%20]\nCommentaire=@Invalid()\n"), false,
               QStringLiteral("absent"), "[Setup%20]\nCommentaire=@Invalid()\nRevision=\" 1.0.4\"\n");
        addRow("another section only: the section added as QSettings adds it", QByteArray("[Setup]\nPose%20H1=50\n"),
               false, QStringLiteral("absent"), "[Setup]\nPose%20H1=50\n\n[Setup%20]\nRevision=\" 1.0.4\"\n");
#ifndef Q_OS_WIN
        addRow("a link into a folder of dotfiles, written through", QByteArray("[Setup%20]\nCommentaire=73\n"), true,
               QStringLiteral("73"), kept);
#endif
    }

    // A file as a user's editor, a dotfiles folder or another program leaves it is read as QSettings
    // reads it, and the next save keeps every value QSettings keeps, in one section.
    void filesAsFound()
    {
        QFETCH(QByteArray, found);
        QFETCH(bool, linked);
        QFETCH(QString, comment);
        QFETCH(QString, after);
        TestStore env;
        const QString file = settingsFile(env);
        putFile(file, found);
        if (linked)
            linkToDotfile(file);
        QCOMPARE(env.store.read(Key::Commentaire, "absent"), comment);
        env.setStored(Key::Revision, " 1.0.4");
        QCOMPARE(inOrder(QString::fromUtf8(bytesOf(linked ? dotfile(file) : file))), inOrder(iniLines(after)));
        QCOMPARE(QFileInfo(file).isSymLink(), linked);
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

    void failuresToldAndTriedAgain_data()
    {
        QTest::addColumn<Condition>("condition");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("told");
        const auto hook = [](int error) {
            return Condition{Child::OrdinaryUser,
                             [error](const QString&) {
                                 setFileFaultHook([error](FileStep step, const QString&) {
                                     return step == FileStep::Write ? error : 0;
                                 });
                                 return true;
                             },
                             [](const QString&, SettingsStore&) { setFileFaultHook({}); }};
        };
        const QString gb = QStringLiteral("Gb");
        addRow("disk full", hook(ENOSPC), gb, QStringLiteral("%1 : le disque est plein"));
        addRow("failing medium", hook(EIO), gb,
               QStringLiteral("%1 : le support de stockage signale une erreur d'écriture"));
        const QByteArray huge = "[Setup%20]\nCommentaire=" + QByteArray(SettingsStore::kLargestFile, 'x') + '\n';
        addRow("a file larger than a settings file (a huge comment)",
               Condition{Child::OrdinaryUser,
                         [huge](const QString& file) {
                             putFile(file, huge);
                             return true;
                         },
                         [](const QString& file, SettingsStore&) { putFile(file, "[Setup%20]\nCommentaire=73\n"); }},
               gb,
               QStringLiteral("%1 : le fichier dépasse 1 Mo, bien plus qu'un fichier de réglages : il n'est ni lu ni "
                              "remplacé"));
        addRow(
            "a text that would make it larger",
            Condition{Child::OrdinaryUser, [](const QString&) { return true; },
                      [](const QString&, SettingsStore& store) { (void)store.writeAtOnce(Key::Language, "Gb"); }},
            QString(SettingsStore::kLargestFile, u'x'),
            QStringLiteral("%1 : les réglages à enregistrer dépasseraient 1 Mo, bien plus qu'un fichier de réglages"));
#ifndef Q_OS_WIN
        addRow("no temporary folder for QSettings' working copy",
               Condition{Child::OrdinaryUser,
                         [](const QString&) {
                             qunsetenv("XDG_RUNTIME_DIR");
                             return qputenv("TMPDIR", "/nonexistent/tmp");
                         },
                         [](const QString&, SettingsStore&) { qunsetenv("TMPDIR"); }},
               gb,
               QStringLiteral("%1 : la copie de travail des réglages ne peut pas être faite dans le dossier temporaire "
                              "/nonexistent/tmp"));
        addRow("a link to a file whose reading fails",
               Condition{Child::OrdinaryUser,
                         [](const QString& file) {
                             linkToDotfile(file);
                             QFile::remove(file);
                             return QFile::link(QStringLiteral("/proc/self/mem"), file);
                         },
                         [](const QString& file, SettingsStore&) {
                             QFile::remove(file);
                             QFile::link(QStringLiteral("../../scratch/dotfiles/E_QSL.ini"), file);
                         }},
               gb, QStringLiteral("%1 : le fichier ne peut pas être lu"));
        addRow("a link to a file the user may not read",
               Condition{Child::OrdinaryUser,
                         [](const QString& file) {
                             linkToDotfile(file);
                             return setMode(dotfile(file), {});
                         },
                         [](const QString& file, SettingsStore&) {
                             setMode(dotfile(file), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
                         }},
               gb, QStringLiteral("%1 : l'accès au fichier est refusé"));
        addRow("a link into a folder the user may not enter",
               Condition{
                   Child::OrdinaryUser,
                   [](const QString& file) {
                       linkToDotfile(file);
                       return setMode(QFileInfo(dotfile(file)).path(), {});
                   },
                   [](const QString& file, SettingsStore&) { setMode(QFileInfo(dotfile(file)).path(), kFolderMode); }},
               gb, QStringLiteral("%1 : l'accès au fichier est refusé"));
        addRow("a read-only settings folder",
               Condition{Child::OrdinaryUser,
                         [](const QString& file) {
                             return setMode(QFileInfo(file).path(), kFolderMode & ~QFileDevice::WriteOwner);
                         },
                         [](const QString& file, SettingsStore&) { setMode(QFileInfo(file).path(), kFolderMode); }},
               gb, QStringLiteral("%1.lock : le fichier ne peut pas être créé dans ce dossier"));
        addRow(
            "a full disk, where not even the lock fits",
            Condition{Child::OwnMounts,
                      [](const QString& file) {
                          if (!mountSmallDisk(QFileInfo(file).path(), 64))
                              return false;
                          putFile(file, "[Setup%20]\nCommentaire=73\n");
                          QFile filler(QFileInfo(file).path() + "/filler");
                          if (!filler.open(QIODevice::WriteOnly))
                              return false;
                          while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
                          }
                          return true;
                      },
                      [](const QString& file, SettingsStore&) { QFile::remove(QFileInfo(file).path() + "/filler"); }},
            gb, QStringLiteral("%1.lock : le disque est plein"));
        addRow("a medium mounted read-only",
               Condition{Child::OwnMounts,
                         [](const QString& file) {
                             const QString folder = QFileInfo(file).path();
                             if (!mountSmallDisk(folder, 64))
                                 return false;
                             putFile(file, "[Setup%20]\nCommentaire=73\n");
                             return mountSmallDisk(folder, 64, MS_REMOUNT | MS_RDONLY);
                         },
                         [](const QString& file, SettingsStore&) {
                             (void)mountSmallDisk(QFileInfo(file).path(), 64, MS_REMOUNT);
                         }},
               gb, QStringLiteral("%1.lock : le support de stockage est en lecture seule"));
#endif
    }

    // A save that fails is told for what stops it, and the file stays as it was (a file that cannot
    // be read, or is larger than a settings file, is never written over: its values would be lost);
    // the run goes on with its values, and the next save, once the cause is gone, writes them with
    // those of the file. The conditions are real where the system lets a test make them: a file or
    // folder of the user's that the user may not read, a file system of the test's own.
    void failuresToldAndTriedAgain()
    {
        QFETCH(Condition, condition);
        QFETCH(QString, written);
        QFETCH(QString, told);
        TestStore env;
        const QString file = settingsFile(env);
        putFile(file, "[Setup%20]\nCommentaire=73\n");
        const auto run = [&] {
            if (!condition.make(file))
                return QStringLiteral("unavailable: the system does not let the test make this condition");
            SettingsStore store(SettingsPlace::IniFile);
            const QString before = fileState(file);
            const QString reason = store.writeAtOnce(Key::Language, written).reason().section("\r\n", 1, 1);
            const QString kept = fileState(file) == before ? QStringLiteral("kept") : fileState(file);
            condition.gone(file, store);
            const QString later = store.sync().reason();
            const SettingsStore next(SettingsPlace::IniFile);
            return QStringList{reason, kept, later,
                               next.read(Key::Commentaire, "absent") + next.read(Key::Language, {})}
                .join(u'|');
        };
#ifdef Q_OS_WIN
        const QString seen = run();
#else
        const QString seen = inChild(condition.child, QFileInfo(env.settingsFolder()).path(), run);
        if (seen.startsWith(QStringLiteral("unavailable: ")))
            QSKIP(qPrintable(seen));
#endif
        QCOMPARE(seen, told.arg(QDir::toNativeSeparators(file)) + QStringLiteral("|kept||73Gb"));
    }

    void lock_data()
    {
        QTest::addColumn<bool>("otherRun");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QString>("after");
        addRow("another run holds it for half a second, and saves meanwhile", true, QStringList(),
               QStringLiteral("[Setup%20]\nCommentaire=QRV\nLanguage=Gb\nRevision=\" 1.0.3\"\n"));
        addRow(
            "a folder of its name, left an hour ago", false,
            QStringList{"Les réglages ne peuvent pas être enregistrés :\r\n%1.lock : le verrou des réglages ne peut "
                        "pas être pris (un autre programme les enregistre, ou le verrou ne peut pas être levé)\r\nLes "
                        "réglages restent en lecture seule jusqu'à la fermeture du programme ; les choix faits "
                        "restent en vigueur jusque-là."},
            QStringLiteral("[Setup%20]\nRevision=\" 1.0.3\"\n"));
    }

    // A lock that another run holds is waited for, a few seconds at most, and the file is read
    // again once it is taken, so that what that run saved is kept. One that cannot be taken within
    // that time makes the settings read-only for the run, told once; the run goes on with its values.
    void lock()
    {
        QFETCH(bool, otherRun);
        QFETCH(QStringList, told);
        QFETCH(QString, after);
        TestStore env;
        const QString file = settingsFile(env);
        env.setStored(Key::Revision, " 1.0.3");
        // The other run: it takes the lock, saves its language half a second later, and lets go.
        QSemaphore taken;
        bool otherSaved = !otherRun;
        std::thread other;
        if (otherRun)
            other = std::thread([&] {
                QLockFile lock(file + ".lock");
                const bool locked = lock.lock();
                taken.release();
                QThread::msleep(500);
                otherSaved =
                    locked &&
                    writeFileReplacing(file, iniLines("[Setup%20]\nLanguage=Gb\nRevision=\" 1.0.3\"\n").toUtf8()).ok();
            });
        else
            QVERIFY(QDir().mkpath(file + ".lock"));
        taken.acquire(otherRun ? 1 : 0);
        for (const char* comment : {"73", "QRV"}) {
            SettingsBatch batch(env.store, env.dialogs);
            batch.write(Key::Commentaire, comment);
        }
        if (other.joinable())
            other.join();
        QVERIFY(otherSaved);
        QCOMPARE(env.dialogs.messages().join("\n"), told.join("\n").replace("%1", QDir::toNativeSeparators(file)));
        QCOMPARE(env.store.read(Key::Commentaire, {}), QStringLiteral("QRV"));
        QCOMPARE(inOrder(readTextFile(file).text), inOrder(iniLines(after)));
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
