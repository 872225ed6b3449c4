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

    // A log whose lines end with LF alone lists nothing and says nothing. When it holds such a
    // line, the empty list offers a button that reads it again with LF alone as a line end too:
    // that gives the lines and messages of the same log with CR LF line ends, the file unchanged.
    void readsLfLogs_data()
    {
        QTest::addColumn<QString>("log");
        QTest::addColumn<bool>("offered");
        addRow("LF only", QStringLiteral("two-lf.adi"), true);
        addRow("header in CR LF, records in LF", QStringLiteral("mixed-lf.adi"), true);
        addRow("records broken across LF lines", QStringLiteral("broken-lf.adi"), true);
        addRow("CR LF", QStringLiteral("no-header.adi"), false);
    }

    void readsLfLogs()
    {
        QFETCH(QString, log);
        QFETCH(bool, offered);
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
        QCOMPARE(listed(), QStringList());
        QCOMPARE(events, QStringList());
        SelectQsoWindow& window = env.program().selectQso();
        auto* list = window.findChild<QListView*>(QStringLiteral("Liste_QSO"));
        auto* action = list->viewport()->findChild<QPushButton*>();
        QCOMPARE(action && action->isVisible(), offered);
        if (!offered)
            return;
        QCOMPARE(controlFault(*list->viewport()), QString());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), action);
        QTest::keyClick(action, Qt::Key_Space);
        const QStringList lfLines = listed();
        const QStringList lfEvents = std::exchange(events, {});
        QVERIFY(!lfLines.isEmpty());
        QVERIFY(!action->isVisible());

        // The next reading is the usual one again: the same log lists nothing more.
        read(path);
        QCOMPARE(listed(), lfLines);
        QCOMPARE(events, QStringList());
        QVERIFY(!action->isVisible());

        QByteArray crLf = bytes;
        crLf.replace("\r\n", "\n").replace("\n", "\r\n");
        window.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        read(env.writeScratchFile(QStringLiteral("crlf.adi"), crLf));
        QCOMPARE(listed(), lfLines);
        QCOMPARE(events, lfEvents);
        QCOMPARE(bytesOf(path), bytes);
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
