#include "settings/settings_keys.h"
#include "support/case_files.h"
#include "support/script_runner.h"
#include "support/test_environment.h"
#include "support/window_checks.h"

#include <QListView>
#include <QPushButton>
#include <utility>

// The picking window, the range window and the reading of a log, driven by the cases of
// tests/data/selection.
class TestSelection : public QObject
{
    Q_OBJECT
private slots:
    void run_data() { addScriptRows(dataPath(QStringLiteral("selection/"))); }

    void run()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, commands);
        runScript(folder, commands);
    }

    // A log whose lines end with LF alone has records that run together: none listed, or the
    // first of each line. Then a button reads it again with LF alone as a line end too: that gives
    // the lines and messages of the same log with CR LF line ends in place of the first reading's,
    // the file unchanged. A log that reads the same either way is offered nothing (the cases of
    // reading.txt).
    void readsLfLogs_data()
    {
        QTest::addColumn<QString>("log");
        addRow("LF only", QStringLiteral("two-lf.adi"));
        addRow("header in CR LF, records in LF", QStringLiteral("mixed-lf.adi"));
        addRow("records broken across LF lines", QStringLiteral("broken-lf.adi"));
        addRow("header and its end in CR LF, records in LF", QStringLiteral("crlf-header-lf-records.adi"));
    }

    void readsLfLogs()
    {
        QFETCH(QString, log);
        TestEnvironment env;
        env.setStored(Key::QslDeFond, QStringLiteral("fond.jpg"));
        QWidget* selection = env.start().findChild<QWidget*>(QStringLiteral("Selection"));
        const auto listed = [&] { // the lines Liste_QSO shows
            QStringList lines;
            const SelectQsoWindow* window = env.program().existingSelectQso();
            const auto* list = window ? window->findChild<QAbstractItemView*>(QStringLiteral("Liste_QSO")) : nullptr;
            for (int row = 0; list && row < list->model()->rowCount(); ++row)
                lines << list->model()->index(row, 0).data().toString();
            return lines;
        };
        const auto bytesOf = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QStringList events; // each message with the number of lines listed when it came
        env.dialogs.onMessage([&](const QString& text) { events << QString::number(listed().size()) + u' ' + text; });
        const auto read = [&](const QString& path) {
            env.dialogs.answerNextFile(path);
            QTest::mouseClick(selection, Qt::LeftButton);
        };
        const QString path = dataPath(QStringLiteral("selection/") + log);
        const QByteArray bytes = bytesOf(path);

        read(path);
        const QStringList first = listed();
        // Over lines, a message tells what the empty list shows.
        QCOMPARE(events.size(), first.isEmpty() ? 0 : 1);
        events.clear();
        SelectQsoWindow& window = env.program().selectQso();
        auto* list = window.findChild<QListView*>(QStringLiteral("Liste_QSO"));
        auto* action = window.findChild<QPushButton*>(QStringLiteral("Lire_LF"));
        QVERIFY(action && action->isVisible());
        QCOMPARE(controlFault(*window.findChild<QWidget*>(QStringLiteral("Note_QSO"))), QString());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), action);
        QTest::keyClick(action, Qt::Key_Space);
        const QStringList lfLines = listed();
        const QStringList lfEvents = std::exchange(events, {});
        QVERIFY(lfLines.size() > first.size());
        QVERIFY(!action->isVisible());

        // The next reading is the usual one again: the same log lists what it did the first time,
        // and, now over lines, offers the button again.
        read(path);
        QCOMPARE(listed(), lfLines + first);
        QVERIFY(action->isVisible());

        QByteArray crLf = bytes;
        crLf.replace("\r\n", "\n").replace("\n", "\r\n");
        window.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        events.clear();
        read(env.writeScratchFile(QStringLiteral("crlf.adi"), crLf));
        QCOMPARE(listed(), lfLines);
        QCOMPARE(events, lfEvents);
        QCOMPARE(bytesOf(path), bytes);
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
