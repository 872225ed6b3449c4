#include "support/script_runner.h"

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
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
