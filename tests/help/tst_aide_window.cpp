#include "help/aide_window.h"

#include <QLabel>
#include <QTest>
#include <climits>

class TestAideWindow : public QObject
{
    Q_OBJECT
private slots:
    // The window shows the lines of its page in order, whole, each kind in its font: the title
    // (also the window's) in 12 points and bold, the headings bold, the body plain. It tells the
    // background's size the cards are laid out for, and sets each section apart from the one
    // before by more space than between two lines of a section.
    void showsThePage()
    {
        using enum AideWindow::LineKind;
        AideWindow window;
        window.show();
        const QList<QLabel*> shown = window.findChildren<QLabel*>();
        const std::vector<AideWindow::Line>& page = AideWindow::lines();
        QCOMPARE(size_t(shown.size()), page.size());
        QVERIFY(page.front().kind == Title && window.windowTitle() == shown.front()->text());
        QStringList text;
        int widestBodyGap = 0, narrowestHeadingGap = INT_MAX;
        for (size_t i = 0; i < page.size(); ++i) {
            const QLabel& line = *shown[qsizetype(i)];
            text << line.text();
            QCOMPARE(line.text(), QString::fromUtf8(page[i].text));
            QCOMPARE(line.font().bold(), page[i].kind != Body);
            QCOMPARE(line.font().pointSize() == 12, page[i].kind == Title);
            QVERIFY(line.fontMetrics().horizontalAdvance(line.text()) <= line.width());
            if (i < 2)
                continue;
            const int gap = line.geometry().top() - shown[qsizetype(i) - 1]->geometry().bottom();
            if (page[i].kind == Heading)
                narrowestHeadingGap = qMin(narrowestHeadingGap, gap);
            else if (page[i].kind == Body && page[i - 1].kind == Body)
                widestBodyGap = qMax(widestBodyGap, gap);
        }
        QVERIFY(text.join(u'\n').contains(QStringLiteral("530 x 340 pixels")));
        QVERIFY2(narrowestHeadingGap > widestBodyGap,
                 qPrintable(QStringLiteral("%1 <= %2").arg(narrowestHeadingGap).arg(widestBodyGap)));
    }
};
QTEST_MAIN(TestAideWindow)
#include "tst_aide_window.moc"
