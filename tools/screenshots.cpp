// Screenshots of the program's six windows for the README, and one exported card as a PNG.
//
// The real windows are driven in-process as a user drives them: a background already chosen,
// a small log read with "Sélectionnez", a few QSOs picked, the range window opened,
// "Enregistrer les QSL", the layout editor and its "Tester", the help page, the same log with
// LF line ends read into an empty picking window, and the notes over its lists. Settings and the program folder are
// temporary; nothing of the user's own is read or written. Each window is grabbed without its frame. Meant to run on
// the xcb platform under Xvfb (scripts/screenshots.sh).
//
// Usage: eqsl_screenshots <sample background .jpg, the sample log beside it> <output folder>

#include "app/main_window.h"
#include "app/running_program.h"
#include "card/qsl_x_window.h"
#include "doubles/scripted_dialogs.h"
#include "editor/move_qso_window.h"
#include "help/aide_window.h"
#include "platform/fonts.h"
#include "platform/qt_dialogs.h"
#include "selection/select_log_window.h"
#include "selection/select_qso_window.h"
#include "selection/selection_texts.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cstdio>

namespace
{

// A small log as a logging program exports it, lines ended by CR LF.
const QByteArray kLog = "Log of F4XYZ\r\n"
                        "<ADIF_VER:5>3.1.4 <PROGRAMID:10>LOGGER\r\n"
                        "<EOH>\r\n"
                        "<CALL:6>DL1ABC <QSO_DATE:8>20240315 <TIME_ON:6>140500 <BAND:3>20M <MODE:3>SSB "
                        "<RST_SENT:2>59 <QSL_RCVD:1>Y <EOR>\r\n"
                        "<CALL:9>F/G4ABC/P <QSO_DATE:8>20240316 <TIME_ON:4>0930 <BAND:3>40M <MODE:2>CW "
                        "<RST_SENT:3>599 <QSL_VIA:5>F6ABC <EOR>\r\n"
                        "<CALL:6>EA3XYZ <QSO_DATE:8>20240317 <TIME_ON:4>1812 <FREQ:6>21.074 <MODE:3>FT8 "
                        "<RST_SENT:3>-10 <EOR>\r\n"
                        "<CALL:6>ON4ABC <QSO_DATE:8>20240402 <TIME_ON:4>0745 <BAND:3>80M <MODE:3>SSB "
                        "<RST_SENT:2>57 <QSL_RCVD:1>N <EOR>\r\n"
                        "<CALL:6>JA1XYZ <QSO_DATE:8>20240405 <TIME_ON:4>2231 <BAND:3>15M <MODE:2>CW "
                        "<RST_SENT:3>579 <EOR>\r\n"
                        "<CALL:5>I2ABC <QSO_DATE:8>20240411 <TIME_ON:4>1120 <BAND:2>2M <MODE:2>FM "
                        "<RST_SENT:2>59 <EOR>\r\n"
                        "<CALL:6>VE3ABC <QSO_DATE:8>20240420 <TIME_ON:4>1958 <BAND:3>10M <MODE:3>SSB "
                        "<RST_SENT:2>55 <QSL_RCVD:1>Y <EOR>\r\n"
                        "<CALL:5>HB9XY <QSO_DATE:8>20240502 <TIME_ON:4>0612 <BAND:3>30M <MODE:3>FT4 "
                        "<RST_SENT:3>-05 <EOR>\r\n";

int failures = 0;

void fail(const QString& what)
{
    std::fprintf(stderr, "screenshots: %s\n", qPrintable(what));
    ++failures;
}

// Lets the window show and lay itself out on the display.
void settle(QWidget& window)
{
    if (!QTest::qWaitForWindowExposed(&window))
        fail(QStringLiteral("window %1 was not shown").arg(window.objectName()));
    QTest::qWait(200);
}

void grab(QWidget* window, const QString& folder, const char* name)
{
    if (!window) {
        fail(QStringLiteral("no window %1").arg(QLatin1String(name)));
        return;
    }
    settle(*window);
    const QString path = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (!window->grab().save(path, "PNG"))
        fail(QStringLiteral("cannot write %1").arg(path));
    else
        std::printf("%s.png\n", name);
}

template <typename Control> Control* control(QWidget* window, const char* name)
{
    auto* found = window ? window->findChild<Control*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        fail(QStringLiteral("no control %1").arg(QLatin1String(name)));
    return found;
}

void click(QWidget* window, const char* button)
{
    if (auto* found = control<QPushButton>(window, button))
        QTest::mouseClick(found, Qt::LeftButton);
}

void trigger(QWidget* window, const char* entry)
{
    if (auto* found = control<QAction>(window, entry))
        found->trigger();
}

void clickLine(QWidget* window, const char* list, int row)
{
    auto* view = control<QListView>(window, list);
    if (!view)
        return;
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void type(QWidget* window, const char* box, const QString& text)
{
    if (auto* found = control<QLineEdit>(window, box)) {
        found->setFocus();
        QTest::keyClicks(found, text);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZELVANE_E_QSL"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <sample background .jpg> <output folder>\n", argv[0]);
        return 2;
    }
    // Absolute: start-up makes the program's output folder the current folder.
    const QString background = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString outFolder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    installFontSubstitutions();
    if (!installQtFrenchTranslations())
        fail(QStringLiteral("Qt's French texts are not installed (qt6-translations-l10n)"));
    // The windows speak French: numbers as a French user sees them (decimal comma).
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    QTemporaryDir temp;
    const QString settingsFolder = temp.filePath(QStringLiteral("settings"));
    const QString programFolder = temp.filePath(QStringLiteral("ZELVANE_E_QSL"));
    const QString outputFolder = programFolder + QStringLiteral("/E_QSL");
    const QString sample = outputFolder + QStringLiteral("/QSL_TRELUNE.jpg");
    if (!temp.isValid() || !QDir().mkpath(settingsFolder) || !QDir().mkpath(outputFolder) ||
        !QDir().mkpath(outFolder) || !QFile::copy(background, sample) ||
        !QFile::copy(QFileInfo(background).dir().filePath(QStringLiteral("Exemple_log.adi")),
                     outputFolder + QStringLiteral("/Exemple_log.adi"))) {
        std::fprintf(stderr, "screenshots: cannot prepare the folders or copy %s\n", argv[1]);
        return 1;
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder);

    SettingsStore store;
    // A background chosen with "Fond QSL" on an earlier run: "Sélectionnez" is enabled.
    if (const Outcome saved = store.writeAtOnce(Key::QslDeFond, sample); !saved.ok()) {
        std::fprintf(stderr, "screenshots: %s\n", qPrintable(saved.reason()));
        return 1;
    }
    ScriptedDialogs dialogs;
    {
        RunningProgram program(store, dialogs, programFolder);
        MainWindow& main = program.start();
        main.show();
        grab(&main, outFolder, "Main");

        // Qt's own open-file dialog, in French, as "Sélectionnez" opens it in the output folder.
        {
            QFileDialog dialog(&main, QString(), outputFolder, QStringLiteral(".adi (*.adi)"));
            dialog.setFileMode(QFileDialog::ExistingFile);
            dialog.setSidebarUrls({QUrl::fromLocalFile(outputFolder)});
            dialog.selectFile(QStringLiteral("Exemple_log.adi"));
            dialog.resize(640, 400);
            dialog.show();
            grab(&dialog, outFolder, "Dialogue_fichier");
        }

        // "Sélectionnez": the log, then a few QSOs picked by clicking them.
        QFile log(temp.filePath(QStringLiteral("journal.adi")));
        if (!log.open(QIODevice::WriteOnly) || log.write(kLog) != kLog.size())
            fail(QStringLiteral("cannot write the log"));
        log.close();
        dialogs.answerNextFile(log.fileName());
        click(&main, "Selection");
        SelectQsoWindow* select = program.existingSelectQso();
        if (select) {
            settle(*select);
            clickLine(select, "Liste_QSO", 1);
            clickLine(select, "Liste_QSO", 3);
            clickLine(select, "Liste_QSO", 4);
        }
        grab(select, outFolder, "Select_QSO");

        // "partie": the range window, with a range typed in.
        click(select, "Select_Part");
        SelectLogWindow* range = select ? select->rangeWindow() : nullptr;
        if (range) {
            type(range, "Deb", QStringLiteral("1"));
            type(range, "Fin", QStringLiteral("3"));
        }
        grab(range, outFolder, "Select_Log");
        if (range)
            range->close(); // applies nothing

        // "Enregistrer les QSL": the export window opens and saves one card per picked QSO.
        click(select, "Impression");
        const QStringList cards = QDir(outputFolder).entryList({QStringLiteral("QSL_*.bmp")}, QDir::Files, QDir::Name);
        if (cards.size() != 3)
            fail(QStringLiteral("%1 cards saved instead of 3").arg(cards.size()));
        for (const QString& card : cards) {
            if (card.startsWith(QStringLiteral("QSL_F_G4ABC_P"))) {
                const QImage image(outputFolder + QLatin1Char('/') + card);
                if (image.isNull() || !image.save(outFolder + QStringLiteral("/Card.png"), "PNG"))
                    fail(QStringLiteral("cannot convert %1").arg(card));
                else
                    std::printf("Card.png (from %s)\n", qPrintable(card));
            }
        }

        // "Edition de la QSL", then "Tester": the sample card on the export window.
        trigger(&main, "Mnu_Edition");
        MoveQsoWindow* editor = program.existingEditor();
        grab(editor, outFolder, "Move_QSO");
        click(editor, "Tester");
        QslXWindow* exportWindow = program.existingExportWindow();
        grab(exportWindow, outFolder, "QSL_X");

        // "Aide".
        trigger(&main, "Mnu_Aide");
        grab(&program.help(), outFolder, "Aide");

        // The same log with LF line ends, as Linux logging programs write it, read into a new
        // picking window: nothing is listed, and the empty list offers to read it with LF line ends.
        if (SelectQsoWindow* old = program.existingSelectQso())
            old->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QFile lfLog(temp.filePath(QStringLiteral("journal-lf.adi")));
        const QByteArray lfBytes = QByteArray(kLog).replace("\r\n", "\n");
        if (!lfLog.open(QIODevice::WriteOnly) || lfLog.write(lfBytes) != lfBytes.size())
            fail(QStringLiteral("cannot write the LF log"));
        lfLog.close();
        dialogs.answerNextFile(lfLog.fileName());
        click(&main, "Selection");
        SelectQsoWindow* lfSelect = program.existingSelectQso();
        if (lfSelect && lfSelect->unpickedCount() != 0)
            fail(QStringLiteral("the LF log listed QSOs"));
        control<QPushButton>(lfSelect, "Lire_LF");
        grab(lfSelect, outFolder, "Select_QSO_LF");

        // The notes under the lines and over the emptied picked list: the LF log read with its
        // line ends, two QSOs picked and saved while the preview is still open (which makes no card
        // and empties the picks), then the log with a CR LF header and LF records read again.
        click(lfSelect, "Lire_LF");
        clickLine(lfSelect, "Liste_QSO", 0);
        clickLine(lfSelect, "Liste_QSO", 0);
        click(lfSelect, "Impression");
        QFile mixedLog(temp.filePath(QStringLiteral("journal-mixte.adi")));
        const qsizetype header = kLog.indexOf("<EOH>\r\n") + 7;
        const QByteArray mixedBytes = kLog.left(header) + QByteArray(kLog).mid(header).replace("\r\n", "\n");
        if (!mixedLog.open(QIODevice::WriteOnly) || mixedLog.write(mixedBytes) != mixedBytes.size())
            fail(QStringLiteral("cannot write the mixed log"));
        mixedLog.close();
        dialogs.answerNextFile(mixedLog.fileName());
        click(&main, "Selection");
        control<QPushButton>(lfSelect, "Reprendre_QSO");
        grab(lfSelect, outFolder, "Select_QSO_notes");
    }

    const QStringList expected = {
        QStringLiteral("Les QSL ont été enregistrées dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL"),
        SelectQsoText::RecordsRanTogether + QStringLiteral("\r\n") +
            SelectQsoText::RecordsRanTogetherCounts.arg(1).arg(8) + QStringLiteral("\r\n") +
            SelectQsoText::RecordsRanTogetherOffer,
    };
    if (dialogs.messages() != expected)
        fail(QStringLiteral("messages were: ") + dialogs.messages().join(QStringLiteral(" | ")));
    return failures == 0 ? 0 : 1;
}
