#include "platform/file_reasons.h"
#include "platform/file_writes.h"
#include "platform/number_format.h"
#ifndef Q_OS_WIN
#include "platform/posix_calls.h"
#endif
#include "platform/program_folder.h"
#include "platform/qt_dialogs.h"
#include "platform/text_file.h"
#include "support/case_files.h"
#include "support/test_folders.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <cerrno>
#include <optional>
#include <set>
#ifndef Q_OS_WIN
#include <ctime>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>
#endif

using namespace Qt::StringLiterals;

namespace
{

// Runs `act` on the modal box once it is open; a box that never opens ends the run at its time limit.
void whenOpen(const std::function<void(QWidget*)>& act)
{
    QTimer::singleShot(10, [act] {
        QWidget* box = QApplication::activeModalWidget();
        box && box->isVisible() ? act(box) : whenOpen(act);
    });
}

#ifndef Q_OS_WIN
// A failing device under the system calls of the writes: every write is interrupted (EINTR) and
// cut short to 3 bytes, and the call of the step `failing` fails with `error` as a disk would
// tell it (after the real call, for a close or a sync: the descriptor is closed all the same).
// The program's handling of each real result is what runs, below the fault hook.
class FailingDevice
{
public:
    FailingDevice(std::optional<FileStep> failing, int error) : failing_(failing), error_(error)
    {
        using SystemFiles::posixCalls;
        const SystemFiles::PosixCalls real = SystemFiles::systemCalls();
        posixCalls().mkostemps = [this, real](char* name, int suffix, int flags) {
            return fails(FileStep::Create) ? -1 : real.mkostemps(name, suffix, flags);
        };
        posixCalls().write = [this, real](int fd, const void* data, size_t size) -> ssize_t {
            if ((interrupted_ = !interrupted_)) {
                errno = EINTR;
                return -1;
            }
            return fails(FileStep::Write) ? -1 : real.write(fd, data, std::min<size_t>(size, 3));
        };
        posixCalls().fsync = [this, real](int fd) {
            return real.fsync(fd) != 0 || (!folders_.count(fd) && fails(FileStep::Sync)) ? -1 : 0;
        };
        posixCalls().close = [this, real](int fd) {
            const bool folder = folders_.erase(fd) > 0;
            return real.close(fd) != 0 || (!folder && fails(FileStep::Close)) ? -1 : 0;
        };
        posixCalls().rename = [this, real](const char* from, const char* to) {
            return fails(FileStep::Rename) ? -1 : real.rename(from, to);
        };
        posixCalls().openFolder = [this, real](const char* name) {
            const int fd = real.openFolder(name);
            folders_.insert(fd);
            return fd;
        };
        posixCalls().syncfs = [this, real](int fd) {
            return real.syncfs(fd) != 0 || fails(FileStep::SyncFolder) ? -1 : 0;
        };
    }
    ~FailingDevice() { SystemFiles::posixCalls() = SystemFiles::systemCalls(); }
    FailingDevice(const FailingDevice&) = delete;
    FailingDevice& operator=(const FailingDevice&) = delete;

private:
    bool fails(FileStep step)
    {
        if (step != failing_)
            return false;
        errno = error_;
        return true;
    }

    std::optional<FileStep> failing_;
    int error_;
    bool interrupted_ = false;
    std::set<int> folders_;
};
#endif

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    // Qt's French texts are installed (the real dialogs load them): the dialogs' check needs them.
    void initTestCase()
    {
        QVERIFY(QTranslator().load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    }

    void readsNumbers_data()
    {
        QTest::addColumn<QStringList>("row");
        for (const QString& row : dataLines(dataPath(QStringLiteral("platform/numbers.txt"))))
            QTest::newRow(qPrintable(row)) << row.split(QLatin1Char('|'));
    }

    void readsNumbers()
    {
        QFETCH(QStringList, row);
        const std::optional<qint16> read = readInt16(row[1], QLocale(row[0]));
        QCOMPARE(read ? QString::number(*read) : QStringLiteral("-"), row[2]);
    }

    void convertsAndWritesTexts()
    {
        const QLocale french(QStringLiteral("fr_FR"));
        QCOMPARE(QStringList({QString::number(*readNumber(QStringLiteral(" 12,5 "), french)), writeNumber(91.5, french),
                              writeNumber(91.5, QLocale::c()), writeNumber(12000, french)}),
                 QStringList({"12.5", "91,5", "91.5", "12000"}));
        // A line ends at CR LF or a lone CR; a lone LF belongs to its line. Bytes are UTF-8, else Windows-1252.
        QCOMPARE(splitLines("a\r\nb\rc\nd\n\r\ne\r\r\nf\r\n"), QStringList({"a", "b", "c\nd\n", "e", "", "f"}));
        // Taking a lone LF as a line end too, the other line ends stay as they are.
        const QString mixed = QStringLiteral("a\r\nb\rc\nd\n\r\ne\r\r\nf\n");
        QCOMPARE(lineViews(mixed, LineEnds::AlsoLoneLf),
                 QList<QStringView>({u"a", u"b", u"c", u"d", u"", u"e", u"", u"f"}));
        QCOMPARE(QList<bool>({hasLoneLineFeed(mixed), hasLoneLineFeed(u"\nx"), hasLoneLineFeed(u"a\r\nb\r\r\n\r")}),
                 QList<bool>({true, true, false}));
        QCOMPARE(decodeText("\xEF\xBB\xBFr\xC3\xA9sum\xC3\xA9"), QStringLiteral("résumé"));
        QCOMPARE(decodeText("\x80 \x93r\xE9sum\xE9\x94"), QStringLiteral("€ “résumé”"));
        // Written in Windows-1252 when every character fits, else in UTF-8; the whole file is replaced.
        const QString dir = env_.scratchFolder(), path = dir + QStringLiteral("/carte.inf");
        QVERIFY(writeTextLines(path, {"Carte été", "5             84"}).ok());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "Carte \xE9t\xE9\r\n5             84\r\n");
        file.close(); // Windows replaces no open file
        QVERIFY(writeTextLines(path, {"été Ω"}).ok());
        QCOMPARE(readTextFile(path).lines(), QStringList{"été Ω"});
        QStringList reasons = {writeTextLines(dir + QStringLiteral("/no/p.inf"), {"x"}).reason(),
                               writeTextLines(path + QChar(0), {"x"}).reason()};
        QStringList bad = {dir + "/x", dir};
        if (kHasFifos)
            bad << makeFifo(dir + "/fifo.adi") << QStringLiteral("/dev/null");
        for (const QString& path : bad)
            reasons << readTextFile(path).outcome.reason();
        // A bound on the size: a file of 10 bytes within 10, not within 9.
        reasons << readTextFile(path, 10).outcome.reason() << readTextFile(path, 9).outcome.reason();
        QStringList expected = {"le dossier n'existe pas", "le nom du fichier contient un caractère interdit",
                                "le fichier n'existe pas", "un dossier porte ce nom"};
        if (kHasFifos)
            expected << "ce n'est pas un fichier ordinaire"
                     << "ce n'est pas un fichier ordinaire";
        expected << ""
                 << "le fichier est trop grand (plus de 1 Ko)";
        QCOMPARE(reasons, expected);
    }

    void writesFailingAtAStep_data()
    {
        QTest::addColumn<FileStep>("step");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        // Through the fault hook, or through a failing device under the system calls.
        QTest::addColumn<bool>("device");
        addRow("no inode left", FileStep::Create, ENOSPC, QStringLiteral("le disque est plein"), false);
        addRow("disk full", FileStep::Write, ENOSPC, QStringLiteral("le disque est plein"), false);
#ifdef EDQUOT
        addRow("quota", FileStep::Write, EDQUOT, QStringLiteral("le quota de l'utilisateur sur ce disque est atteint"),
               false);
#endif
        addRow("medium fails on sync", FileStep::Sync, EIO,
               QStringLiteral("le support de stockage signale une erreur d'écriture"), false);
        addRow("network file fails on close", FileStep::Close, EIO,
               QStringLiteral("le support de stockage signale une erreur d'écriture"), false);
        addRow("medium turned read-only", FileStep::Rename, EROFS,
               QStringLiteral("le support de stockage est en lecture seule"), false);
        addRow("other error", FileStep::Write, EFBIG, QStringLiteral("l'écriture du fichier a échoué"), false);
#ifndef Q_OS_WIN
        addRow("device: disk full after an interruption", FileStep::Write, ENOSPC,
               QStringLiteral("le disque est plein"), true);
        addRow("device: medium fails on sync", FileStep::Sync, EIO,
               QStringLiteral("le support de stockage signale une erreur d'écriture"), true);
        addRow("device: medium fails on close", FileStep::Close, EIO,
               QStringLiteral("le support de stockage signale une erreur d'écriture"), true);
        // An ordinary user replacing another user's card in a shared (sticky) folder.
        addRow("device: another user's card", FileStep::Rename, EPERM, QStringLiteral("l'accès au fichier est refusé"),
               true);
        // syncfs() tells the write-back errors of the batch's cards, already in place.
        addRow("device: write-back fails at the batch's end", FileStep::SyncFolder, EIO,
               QStringLiteral("le support de stockage signale une erreur d'écriture"), true);
#endif
    }

    // A write that fails at any step leaves the earlier file byte for byte, or no file, and no
    // temporary; the reason names the cause. The batch's sync fails after its cards are in place.
    void writesFailingAtAStep()
    {
        QFETCH(FileStep, step);
        QFETCH(int, error);
        QFETCH(QString, reason);
        QFETCH(bool, device);
        const QString folder = env_.scratchFolder() + "/" + QTest::currentDataTag(), kept = folder + "/MaCarte.inf";
        env_.writeScratchFile(QString(QTest::currentDataTag()) + "/MaCarte.inf", "5             84\r\n");
#ifndef Q_OS_WIN
        std::optional<FailingDevice> failing;
        if (device)
            failing.emplace(step, error);
#endif
        if (!device)
            setFileFaultHook([step, error](FileStep at, const QString&) { return at == step ? error : 0; });
        const QStringList reasons = {writeTextLines(kept, {"new"}).reason(),
                                     writeTextLines(folder + "/New.inf", {"new"}).reason(),
                                     writeFileReplacing(folder + "/card.bmp", "BM", Durability::WithFolder).reason(),
                                     syncFolder(folder).reason()};
        setFileFaultHook({});
#ifndef Q_OS_WIN
        failing.reset();
#endif
        const bool inPlace = step == FileStep::SyncFolder;
        // A file written for a later sync skips the sync of its own.
        QCOMPARE(reasons, inPlace ? QStringList({"", "", "", reason})
                                  : QStringList({reason, reason, step == FileStep::Sync ? QString() : reason, ""}));
        QCOMPARE(readTextFile(kept).lines(), QStringList{inPlace ? "new" : "5             84"});
        QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        left.removeAll(QStringLiteral("card.bmp"));
        QCOMPARE(left, inPlace ? QStringList({"MaCarte.inf", "New.inf"}) : QStringList{"MaCarte.inf"});
    }

    // Each kind of write takes its steps in order: a settings or parameter file is synced with its
    // folder before the write returns; a card of a batch waits for the batch's one synchronisation.
    void stepsOfWrites()
    {
        static const QStringList kNames = {"create", "write", "sync", "close", "rename", "sync folder"};
        QStringList steps;
        setFileFaultHook([&steps](FileStep at, const QString&) {
            steps << kNames[int(at)];
            return 0;
        });
        const QString folder = env_.scratchFolder();
        QStringList taken;
        for (const std::function<bool()>& write : std::initializer_list<std::function<bool()>>{
                 [&] { return writeTextLines(folder + "/p.inf", {"x"}).ok(); },
                 [&] { return writeFileReplacing(folder + "/c.bmp", "BM", Durability::WithFolder).ok(); },
                 [&] { return syncFolder(folder).ok(); }}) {
            steps.clear();
            QVERIFY(write());
            taken << steps.join(u", ");
        }
        setFileFaultHook({});
        QCOMPARE(taken, QStringList({"create, write, sync, close, rename, sync folder", "create, write, close, rename",
                                     "sync folder"}));
    }

    // Files are made with the mode the user's umask gives, whole through short and interrupted
    // writes; a name longer than the system allows is told as such; only the temporaries an earlier
    // run left behind are removed: files named exactly as the program names them, not the user's.
    void writtenFiles()
    {
        const QString folder = env_.scratchFolder();
#ifndef Q_OS_WIN
        QStringList modes;
        for (const mode_t mask : {mode_t(022), mode_t(077), mode_t(002)}) {
            const mode_t before = ::umask(mask);
            QVERIFY(writeTextLines(folder + "/p.inf", {"x"}).ok() &&
                    writeFileReplacing(folder + "/c.bmp", "BM", Durability::WithFolder).ok());
            ::umask(before);
            for (const char* name : {"/p.inf", "/c.bmp"}) {
                struct stat st;
                QVERIFY(::stat(QFile::encodeName(folder + name).constData(), &st) == 0);
                modes << QString::number(st.st_mode & 0777, 8);
            }
        }
        QCOMPARE(modes, QStringList({"644", "644", "600", "600", "664", "664"}));
        {
            const FailingDevice slow(std::nullopt, 0);
            QVERIFY(writeTextLines(folder + "/p.inf", {"Carte été", "5             84"}).ok());
        }
        QCOMPARE(dataBytes(folder + "/p.inf"), QByteArray("Carte \xE9t\xE9\r\n5             84\r\n"));
#endif
        QCOMPARE(writeFileReplacing(folder + "/" + QString(300, u'n') + ".bmp", "BM").reason(),
                 QStringLiteral("le nom du fichier est trop long"));
        // Two minutes old: a leftover; half a minute: maybe another run's, writing now.
        // (Not a case variant of the temporary below: on Windows both names would be one file.)
        QStringList users = {".EQSL-Notes1",      ".Eqsl-backup",     ".eqsl-ab.txt",          ".eqsl-abc123",
                             ".~EQSL-QqQ123.tmp", ".~eqsl-AbC12.tmp", ".~eqsl-AbC123.tmp.bak", ".~eqsl-AbC1-3.tmp"};
        for (const QString& name : users + QStringList{".~eqsl-AbC123.tmp", ".~eqsl-XyZ789.tmp"}) {
            QFile file(env_.writeScratchFile(name, "half a card"));
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime::currentDateTime().addSecs(name.contains("XyZ") ? -30 : -120),
                                     QFileDevice::FileModificationTime));
        }
#ifndef Q_OS_WIN
        // Named as temporaries, two minutes old: a link to the user's file, and a folder.
        QVERIFY(QFile::link(folder + "/.eqsl-abc123", folder + "/.~eqsl-Link01.tmp"));
        const QByteArray made = QFile::encodeName(folder + "/.~eqsl-Fold01.tmp");
        const utimbuf old{::time(nullptr) - 120, ::time(nullptr) - 120};
        QVERIFY(::mkdir(made.constData(), 0755) == 0 && ::utime(made.constData(), &old) == 0);
        users << ".~eqsl-Link01.tmp"
              << ".~eqsl-Fold01.tmp";
#endif
        QCOMPARE(removeLeftoverTemporaries(folder), 1);
        QVERIFY(!QFileInfo::exists(folder + "/.~eqsl-AbC123.tmp"));
        for (const QString& name : users + QStringList{".~eqsl-XyZ789.tmp"})
            QVERIFY2(QFileInfo(folder + "/" + name).isSymLink() || QFileInfo::exists(folder + "/" + name),
                     qPrintable(name));
    }

#ifdef Q_OS_WIN
    // The per-user program folder is the user's own local application data folder.
    void perUserFolderInLocalAppData()
    {
        QCOMPARE(perUserProgramFolder(),
                 QDir::toNativeSeparators(qEnvironmentVariable("LOCALAPPDATA") + "/ZELVANE_E_QSL"));
    }
#else
    // A relative XDG folder is invalid: the per-user program folder is then in ~/.local/share.
    void relativeXdgFoldersIgnored()
    {
        const QByteArray home = qgetenv("XDG_DATA_HOME"), dirs = qgetenv("XDG_DATA_DIRS"),
                         config = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_DATA_HOME", "rel data");
        qputenv("XDG_DATA_DIRS", "rel:/usr/share:other");
        qputenv("XDG_CONFIG_HOME", "rel config");
        ignoreRelativeXdgFolders();
        const QString folder = perUserProgramFolder();
        const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
        // Where QSettings, and so the settings store, keeps the settings file.
        const QString settings = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        qputenv("XDG_DATA_HOME", "/absolute/data");
        ignoreRelativeXdgFolders();
        const QString absolute = perUserProgramFolder();
        home.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", home);
        dirs.isNull() ? qunsetenv("XDG_DATA_DIRS") : qputenv("XDG_DATA_DIRS", dirs);
        config.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config);
        QCOMPARE(QStringList({folder, QString::fromUtf8(dataDirs), settings, absolute}),
                 QStringList({QDir::homePath() + "/.local/share/ZELVANE_E_QSL", "/usr/share",
                              QDir::homePath() + "/.config", "/absolute/data/ZELVANE_E_QSL"}));
    }
#endif

    void pathsInMessages_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shown");
        addRow("as it is", u"/home/f6xyz/Cartes été/ma carte.jpg"_s, u"/home/f6xyz/Cartes été/ma carte.jpg"_s);
        addRow("NUL shown, not ending the message", u"QSL_F4"_s + QChar(u'\0') + u"XYZ.bmp"_s, u"QSL_F4\\0XYZ.bmp"_s);
        addRow("longest path a system takes", u"/"_s + QString(4095, u'a'), u"/"_s + QString(4095, u'a'));
        addRow("longer: cut in its middle", u"/"_s + QString(5000, u'a') + u"/fin.jpg"_s,
               u"/"_s + QString(119, u'a') + u" [...] "_s + QString(112, u'a') + u"/fin.jpg"_s);
    }

    void pathsInMessages()
    {
        QFETCH(QString, path);
        QFETCH(QString, shown);
        QCOMPARE(displayedPath(path), QDir::toNativeSeparators(shown));
    }

    void namesTheSystemForbids_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("onLinux");
        QTest::addColumn<bool>("onWindows");
        addRow("a card's name", u"QSL_F4XYZ_14Mhz_SSB.bmp"_s, false, false);
        addRow("accents and a blank", u"QSL_F4XYZ_14 Mhz_SSB été.bmp"_s, false, false);
        addRow("NUL", u"QSL_F4"_s + QChar(u'\0') + u".bmp"_s, true, true);
        addRow("colon: a stream of another file", u"QSL_F4:XYZ.bmp"_s, false, true);
        addRow("backslash: a folder", u"QSL_F4\\XYZ.bmp"_s, false, true);
        addRow("wildcards and pipes", u"QSL_F4*?|XYZ.bmp"_s, false, true);
        addRow("angle brackets and quote", u"QSL_<F4\"XYZ>.bmp"_s, false, true);
        addRow("control character", u"QSL_F4\tXYZ.bmp"_s, false, true);
    }

    // A card's name the system would refuse, or read as something else, is refused by the program.
    void namesTheSystemForbids()
    {
        QFETCH(QString, name);
#ifdef Q_OS_WIN
        QFETCH(bool, onWindows);
        const bool forbidden = onWindows;
#else
        QFETCH(bool, onLinux);
        const bool forbidden = onLinux;
#endif
        QCOMPARE(hasForbiddenNameCharacter(name), forbidden);
        if (name.contains(u'\\'))
            return; // on Windows a folder's end in a path: the card's batch refuses its name itself
        const QString path = env_.scratchFolder() + u'/' + name;
        QCOMPARE(writeFileReplacing(path, "BM").reason(),
                 forbidden ? u"le nom du fichier contient un caractère interdit"_s : QString());
    }

#ifndef Q_OS_WIN
    // A folder named in Latin-1 works as the program folder: its files land in it, and messages and
    // the settings name it by its name, its bytes that are not UTF-8 read as Windows-1252.
    void folderNamedInLatin1()
    {
        const QByteArray raw = QFile::encodeName(env_.scratchFolder()) + "/Cartes d'\xE9t\xE9 \xC3\xA0 \x80";
        QVERIFY(::mkdir(raw.constData(), 0755) == 0 && ::mkdir((raw + "/E_QSL").constData(), 0755) == 0);
        const QString folder = folderFromBytes(raw);
        QVERIFY(folderWritable(folder));
        QVERIFY(writeFileReplacing(folder + "/E_QSL/QSL_F4XYZ_14 Mhz_SSB.bmp", "BM").ok());
        struct stat st;
        QCOMPARE(::stat((raw + "/E_QSL/QSL_F4XYZ_14 Mhz_SSB.bmp").constData(), &st), 0);
        QCOMPARE(
            QStringList({displayedPath(folder + "/E_QSL"), namedPath(folder + "/Cadre_QSO.jpg"), namedPath(folder)}),
            QStringList({env_.scratchFolder() + u"/Cartes d'été à €/E_QSL"_s,
                         env_.scratchFolder() + u"/Cartes d'été à €/Cadre_QSO.jpg"_s,
                         env_.scratchFolder() + u"/Cartes d'été à €"_s}));
        QCOMPARE(folderFromBytes("/usr/share"), "/usr/share");
    }

    void folderWritableForItsUser_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("writable");
        addRow("an installation of root's, readable by all", 0755, false);
        addRow("a folder all may write in", 0777, true);
    }

    // Whether the user who runs the program may write in a folder, as that user: the suite may run
    // as root, who may write anywhere, so the question is then asked by a child run as "nobody".
    void folderWritableForItsUser()
    {
        QFETCH(int, mode);
        QFETCH(bool, writable);
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("ZELVANE_E_QSL"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(::chmod(QFile::encodeName(root.path()).constData(), 0755) == 0 &&
                ::chmod(QFile::encodeName(folder).constData(), mode_t(mode)) == 0);
        bool answer = folderWritable(folder);
        if (::geteuid() == 0) {
            const pid_t child = ::fork();
            if (child == 0)
                _exit(::setgid(65534) == 0 && ::setuid(65534) == 0 ? (folderWritable(folder) ? 1 : 0) : 2);
            int status = 0;
            QVERIFY(child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status));
            QVERIFY(WEXITSTATUS(status) < 2);
            answer = WEXITSTATUS(status) == 1;
        }
        QCOMPARE(answer, writable);
    }
#endif

    void qtDialogs()
    {
        QStringList seen;
        whenOpen([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            seen << message->windowTitle() << message->text() << message->buttons().first()->text()
                 << QString::number(message->buttons().size());
            message->buttons().first()->click();
        });
        QtDialogs dialogs;
        dialogs.message(QStringLiteral("a\r\nb"));
        const QString path = env_.writeScratchFile(QStringLiteral("journal été.adi"), "");
        whenOpen([&](QWidget* box) {
            auto* dialog = qobject_cast<QFileDialog*>(box);
            seen << dialog->nameFilters() << dialog->windowTitle();
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog*>(dialog)->accept(); // what "Open" does
        });
        QCOMPARE(dialogs.openFile(QStringLiteral(".adi "), QStringLiteral("*.adi")), path);
        whenOpen([](QWidget* box) { qobject_cast<QDialog*>(box)->reject(); });
        QCOMPARE(dialogs.openFile(QStringLiteral(".adi "), QStringLiteral("*.adi")), QString());
        QCOMPARE(seen, QStringList({"ZELVANE_E_QSL", "a\r\nb", "OK", "1", ".adi (*.adi)", "Ouvrir"}));
    }

    // A user who may not write in the executable's folder gets a folder of their own, made with the
    // sample files as theirs to change; the files the user already has there are kept.
    void programFolderForTheUser()
    {
        const QString bin = env_.scratchFolder() + "/bin", user = env_.scratchFolder() + "/user";
        for (const QString& name : sampleFileNames())
            QFile::setPermissions(env_.writeScratchFile("bin/E_QSL/" + name, name.toUtf8()), QFile::ReadOwner);
        env_.writeScratchFile(QStringLiteral("user/E_QSL/QSL_TRELUNE.jpg"), "mine");
        QCOMPARE(programFolderFor(bin, true, user + "2") + programFolderFor(bin, false, user), bin + user);
        QStringList copies = {QString::number(QFileInfo::exists(user + "2"))};
        for (const QString& name : sampleFileNames()) {
            QFile copy(user + "/E_QSL/" + name);
            copies << QString::number(bool(copy.permissions() & QFile::WriteOwner)) +
                          QString::fromUtf8(copy.open(QIODevice::ReadOnly) ? copy.readAll() : "?");
        }
        QCOMPARE(copies, QStringList({"0", "1mine", "1Exemple_log.adi"}));
    }

private:
    const TestFolders env_;
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
