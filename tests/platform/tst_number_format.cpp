#include "platform/number_format.h"

#include <QTest>

class TestNumberFormat : public QObject
{
    Q_OBJECT
private slots:
    void readsSixteenBitsRoundingHalvesToEven_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("converts");
        QTest::addColumn<int>("expected");

        const QString fr = QStringLiteral("fr_FR");
        const QString c = QStringLiteral("C");
        QTest::newRow("blanks around") << c << " 7 " << true << 7;
        QTest::newRow("91,5 French goes up to even") << fr << "91,5" << true << 92;
        QTest::newRow("12,5 French goes down to even") << fr << "12,5" << true << 12;
        QTest::newRow("13,5 French") << fr << "13,5" << true << 14;
        QTest::newRow("12.5 C format") << c << "12.5" << true << 12;
        QTest::newRow("-2,5 French") << fr << "-2,5" << true << -2;
        QTest::newRow("12,6 French") << fr << "12,6" << true << 13;
        QTest::newRow("lowest") << c << "-32768" << true << -32768;
        QTest::newRow("highest") << c << "32767" << true << 32767;
        QTest::newRow("rounds into range") << fr << "32767,4" << true << 32767;
        QTest::newRow("rounds out of range") << fr << "32767,5" << false << 0;
        QTest::newRow("too large") << c << "32768" << false << 0;
        QTest::newRow("too small") << c << "-32769" << false << 0;
        QTest::newRow("empty") << c << "" << false << 0;
        QTest::newRow("blanks only") << c << "   " << false << 0;
        QTest::newRow("not a number") << c << "abc" << false << 0;
        QTest::newRow("number then text") << c << "12abc" << false << 0;
        QTest::newRow("point under French format") << fr << "12.5" << false << 0;
        QTest::newRow("infinity") << c << "inf" << false << 0;
    }

    void readsSixteenBitsRoundingHalvesToEven()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, converts);
        QFETCH(int, expected);
        const std::optional<qint16> value = readInt16(text, QLocale(locale));
        QCOMPARE(value.has_value(), converts);
        if (converts)
            QCOMPARE(int(*value), expected);
    }

    void keepsFractionsWhenReadingReals()
    {
        QCOMPARE(readNumber(QStringLiteral("12,5"), QLocale(QStringLiteral("fr_FR"))).value_or(0), 12.5);
        QCOMPARE(readNumber(QStringLiteral(" 91.5 "), QLocale::c()).value_or(0), 91.5);
        QVERIFY(!readNumber(QStringLiteral("x"), QLocale::c()));
    }

    void writesInTheUserFormat()
    {
        const QLocale french(QStringLiteral("fr_FR"));
        QCOMPARE(writeNumber(91.5, french), QStringLiteral("91,5"));
        QCOMPARE(writeNumber(91.5, QLocale::c()), QStringLiteral("91.5"));
        QCOMPARE(writeNumber(84, french), QStringLiteral("84"));
        QCOMPARE(writeNumber(12000, french), QStringLiteral("12000"));
    }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_number_format.moc"
