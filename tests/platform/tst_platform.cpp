#include "platform/number_format.h"
#include "platform/program_folder.h"
#include "platform/qt_dialogs.h"
#include "platform/text_file.h"
#include "support/data_rows.h"
#include "support/test_environment.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

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

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(installQtFrenchTranslations()); }

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
        QCOMPARE(writeTextLines(path, {"Carte été", "5             84"}), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "Carte \xE9t\xE9\r\n5             84\r\n");
        QCOMPARE(writeTextLines(path, {"été Ω"}), QString());
        QCOMPARE(readTextLines(path).lines, QStringList{"été Ω"});
        QVERIFY(!writeTextLines(dir + QStringLiteral("/no/p.inf"), {"x"}).isEmpty());
        QStringList reasons = {writeTextLines(path + QChar(0), {"x"})};
        for (const QString& bad : {dir + "/x", dir, makeFifo(dir + "/fifo.adi"), QStringLiteral("/dev/null")})
            reasons << readTextLines(bad).error;
        QCOMPARE(reasons, QStringList({"le nom du fichier contient un caractère interdit", "le fichier n'existe pas",
                                       "un dossier porte ce nom", "ce n'est pas un fichier ordinaire",
                                       "ce n'est pas un fichier ordinaire"}));
    }

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
    const TestEnvironment env_;
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
