#include "help/aide_window.h"

#include <QLabel>
#include <QTest>

class TestAideWindow : public QObject
{
    Q_OBJECT
private slots:
    // The window shows the lines of its page in order, whole, each kind in its font: the title
    // (also the window's) in 12 points and bold, the headings bold, the body plain.
    void showsThePage()
    {
        using enum AideWindow::LineKind;
        AideWindow window;
        window.show();
        const QList<QLabel*> shown = window.findChildren<QLabel*>();
        const std::vector<AideWindow::Line>& page = AideWindow::lines();
        QCOMPARE(size_t(shown.size()), page.size());
        QVERIFY(page.front().kind == Title && window.windowTitle() == shown.front()->text());
        for (size_t i = 0; i < page.size(); ++i) {
            const QLabel& line = *shown[qsizetype(i)];
            QCOMPARE(line.text(), QString::fromUtf8(page[i].text));
            QCOMPARE(line.font().bold(), page[i].kind != Body);
            QCOMPARE(line.font().pointSize() == 12, page[i].kind == Title);
            QVERIFY(line.fontMetrics().horizontalAdvance(line.text()) <= line.width());
        }
    }
};
QTEST_MAIN(TestAideWindow)
#include "tst_aide_window.moc"
