// The 16-colour palette that every colour code of the layout indexes.

#include "layout/palette.h"

#include <QtTest>

class TestPalette : public QObject
{
    Q_OBJECT

private slots:
    void codes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QColor>("colour");
        const int rgb[16][3] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
        for (int code = 0; code < 16; ++code)
            QTest::addRow("%d", code) << code << QColor(rgb[code][0], rgb[code][1], rgb[code][2]);
    }

    void codes()
    {
        QFETCH(int, code);
        QFETCH(QColor, colour);
        QCOMPARE(paletteColour(code), colour);
    }

    // The layout does not guarantee the range: anything else prints black.
    void outOfRange_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("-1") << -1;
        QTest::newRow("16") << 16;
        QTest::newRow("32767") << 32767;
        QTest::newRow("-32768") << -32768;
    }

    void outOfRange()
    {
        QFETCH(int, code);
        QCOMPARE(paletteColour(code), QColor(0, 0, 0));
    }
};

QTEST_MAIN(TestPalette)
#include "tst_palette.moc"
