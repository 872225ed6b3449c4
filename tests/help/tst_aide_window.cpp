#include "help/aide_window.h"
#include "support/data_rows.h"

#include <QLabel>
#include <QTest>

class TestAideWindow : public QObject
{
    Q_OBJECT
private slots:
    void showsThePage()
    {
        AideWindow window;
        window.show();
        QStringList page = {window.windowTitle()};
        const char* kinds[] = {"body|", "heading|", "title|"}; // bold, and bold in 12 points
        for (const QLabel* line : window.findChildren<QLabel*>()) {
            page << QLatin1String(kinds[line->font().bold() + (line->font().pointSize() == 12)]) + line->text();
            QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <= line->width());
        }
        QCOMPARE(page, dataLines(dataPath(QStringLiteral("help/page.txt"))));
    }
};
QTEST_MAIN(TestAideWindow)
#include "tst_aide_window.moc"
