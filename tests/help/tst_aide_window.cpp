#include "help/aide_window.h"
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
        QFile file(qEnvironmentVariable("EQSL_SOURCE_DIR") + QStringLiteral("/tests/data/help/page.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(page, QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    }
};
QTEST_MAIN(TestAideWindow)
#include "tst_aide_window.moc"
