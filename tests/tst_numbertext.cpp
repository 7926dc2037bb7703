#include "numberwriting.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

const NumberFormat FullStop{QStringLiteral("."), QStringLiteral(",")};
const NumberFormat DecimalComma{QStringLiteral(","), QStringLiteral(".")};
const NumberFormat NarrowSpaceGroups{QStringLiteral(","), QString(QChar(0x202F))};
const NumberFormat Persian{QStringLiteral("\u066B"), QStringLiteral("\u066C")};

const NumberFormat &formatNamed(const QString &name)
{
    if (name == u"comma")
        return DecimalComma;
    if (name == u"narrow")
        return NarrowSpaceGroups;
    if (name == u"persian")
        return Persian;
    return FullStop;
}

constexpr double NotNumeric = std::numeric_limits<double>::quiet_NaN();

}

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void textToNumber_data();
    void textToNumber();
    void numberToText_data();
    void numberToText();
    void formatOneDecimal_data();
    void formatOneDecimal();
    void writtenNumbersReadBack_data();
    void writtenNumbersReadBack();
};

void TestNumberText::textToNumber_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("plain") << "stop" << "170" << 170.0;
    QTest::newRow("fraction") << "stop" << "24.9" << 24.9;
    QTest::newRow("blanks around") << "stop" << "  170  " << 170.0;
    QTest::newRow("tab around") << "stop" << "\t70\t" << 70.0;
    QTest::newRow("no-break space after") << "stop" << "170\u00A0" << 170.0;
    QTest::newRow("narrow no-break space after") << "stop" << "170\u202F" << 170.0;
    QTest::newRow("leading separator") << "stop" << ".5" << 0.5;
    QTest::newRow("trailing separator") << "stop" << "5." << 5.0;
    QTest::newRow("plus") << "stop" << "+70" << 70.0;
    QTest::newRow("minus") << "stop" << "-70" << -70.0;
    QTest::newRow("minus zero") << "stop" << "-0" << -0.0;
    QTest::newRow("exponent") << "stop" << "1.5E2" << 150.0;
    QTest::newRow("small exponent letter") << "stop" << "15e-1" << 1.5;
    QTest::newRow("signed exponent") << "stop" << "1E+15" << 1e15;
    QTest::newRow("whole groups") << "stop" << "1,000" << 1000.0;
    QTest::newRow("groups and fraction") << "stop" << "1,234,567.5" << 1234567.5;
    QTest::newRow("underflow reads as zero") << "stop" << "1E-400" << 0.0;
    QTest::newRow("denormal") << "stop" << "4.9E-324" << 4.9e-324;
    QTest::newRow("largest double") << "stop" << "1.7976931348623157E308" << std::numeric_limits<double>::max();
    QTest::newRow("many digits") << "stop" << QString(400, u'0') + "1" << 1.0;

    QTest::newRow("empty") << "stop" << "" << NotNumeric;
    QTest::newRow("blank") << "stop" << " " << NotNumeric;
    QTest::newRow("lone separator") << "stop" << "." << NotNumeric;
    QTest::newRow("lone sign") << "stop" << "-" << NotNumeric;
    QTest::newRow("unit after") << "stop" << "170cm" << NotNumeric;
    QTest::newRow("blank inside") << "stop" << "1 70" << NotNumeric;
    QTest::newRow("two separators") << "stop" << "1.7.5" << NotNumeric;
    QTest::newRow("two signs") << "stop" << "--5" << NotNumeric;
    QTest::newRow("exponent without digits") << "stop" << "1E" << NotNumeric;
    QTest::newRow("exponent alone") << "stop" << "E5" << NotNumeric;
    QTest::newRow("short group") << "stop" << "1,75" << NotNumeric;
    QTest::newRow("long group") << "stop" << "1,0000" << NotNumeric;
    QTest::newRow("leading group") << "stop" << ",100" << NotNumeric;
    QTest::newRow("group after separator") << "stop" << "1.000,000" << NotNumeric;
    QTest::newRow("overflow") << "stop" << "1E400" << NotNumeric;
    QTest::newRow("overflow by digits") << "stop" << "1" + QString(400, u'0') << NotNumeric;
    QTest::newRow("digits of any script") << "stop" << QString::fromUtf8("\uFF11\uFF17\uFF10") << 170.0;

    QTest::newRow("comma fraction") << "comma" << "70,5" << 70.5;
    QTest::newRow("comma short reads whole") << "comma" << "1,75" << 1.75;
    QTest::newRow("comma groups") << "comma" << "1.000,5" << 1000.5;
    QTest::newRow("comma caption") << "comma" << "24,9" << 24.9;
    QTest::newRow("comma rejects stop fraction") << "comma" << "70.5" << NotNumeric;
    QTest::newRow("comma lone separator") << "comma" << "," << NotNumeric;
    QTest::newRow("narrow space groups") << "narrow" << QString("1") + QChar(0x202F) + "000,5" << 1000.5;
    QTest::newRow("region's own digits") << "persian" << "\u06F1\u06F7\u06F0" << 170.0;
    QTest::newRow("keypad's full stop where the region groups otherwise") << "narrow" << "70.5" << 70.5;
    QTest::newRow("plain space is no group") << "narrow" << "1 000" << NotNumeric;
}

void TestNumberText::textToNumber()
{
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(double, expected);

    const std::optional<double> value = TextToNumber(text, formatNamed(format));
    if (std::isnan(expected)) {
        QVERIFY2(!value, qPrintable(QString::number(value.value_or(0))));
        return;
    }
    QVERIFY(value);
    QCOMPARE(*value, expected);
    QCOMPARE(std::signbit(*value), std::signbit(expected));
}

void TestNumberText::numberToText_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << "stop" << 170.0 << "170";
    QTest::newRow("fifteen digits") << "stop" << 24.117180885579059 << "24.1171808855791";
    QTest::newRow("no trailing zeros") << "stop" << 24.5 << "24.5";
    QTest::newRow("below one") << "stop" << 0.05 << "0.05";
    QTest::newRow("smallest plain") << "stop" << 0.0001 << "0.0001";
    QTest::newRow("small exponent") << "stop" << 0.00001 << "1E-05";
    QTest::newRow("largest plain") << "stop" << 123456789012345.0 << "123456789012345";
    QTest::newRow("large exponent") << "stop" << 1e15 << "1E+15";
    QTest::newRow("negative") << "stop" << -24.2 << "-24.2";
    QTest::newRow("just below a half") << "stop" << 24.95 << "24.95";
    QTest::newRow("comma") << "comma" << 24.95 << "24,95";
    QTest::newRow("comma exponent") << "comma" << 1.5e-7 << "1,5E-07";
    // rounds up past the largest double, so it no longer reads back
    QTest::newRow("largest") << "stop" << std::numeric_limits<double>::max() << "1.79769313486232E+308";
}

void TestNumberText::numberToText()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(NumberToText(value, formatNamed(format)), expected);
}

void TestNumberText::formatOneDecimal_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("rounds down") << "stop" << "24.22" << "24.2";
    QTest::newRow("half away from zero") << "stop" << "24.95" << "25.0";
    QTest::newRow("half of a tenth") << "stop" << "18.45" << "18.5";
    QTest::newRow("negative half") << "stop" << "-24.25" << "-24.3";
    QTest::newRow("negative") << "stop" << "-24.2" << "-24.2";
    QTest::newRow("below one") << "stop" << "0.5" << ".5";
    QTest::newRow("half a tenth") << "stop" << "0.05" << ".1";
    QTest::newRow("under half a tenth") << "stop" << "0.004" << ".0";
    QTest::newRow("zero") << "stop" << "0" << ".0";
    QTest::newRow("negative zero") << "stop" << "-0" << ".0";
    QTest::newRow("negative rounding to zero") << "stop" << "-0.004" << "-.0";
    QTest::newRow("whole") << "stop" << "100" << "100.0";
    QTest::newRow("carry through nines") << "stop" << "99.96" << "100.0";
    QTest::newRow("tiny exponent") << "stop" << "1E-05" << ".0";
    QTest::newRow("large exponent") << "stop" << "1.5E+20" << "150000000000000000000.0";
    QTest::newRow("fifteen digit form decides") << "stop" << "29.9000000000000021" << "29.9";
    QTest::newRow("comma") << "comma" << "24,95" << "25,0";
    QTest::newRow("comma below one") << "comma" << "0,05" << ",1";
    QTest::newRow("not a number") << "stop" << "abc" << "";
}

void TestNumberText::formatOneDecimal()
{
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(FormatOneDecimal(text, formatNamed(format)), expected);
}

void TestNumberText::writtenNumbersReadBack_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");

    for (const char *format : {"stop", "comma"}) {
        const QString f = QString::fromLatin1(format);
        QTest::addRow("%s pi", format) << f << M_PI;
        QTest::addRow("%s huge", format) << f << 1.2345678901234567e300;
        QTest::addRow("%s tiny", format) << f << 9.87654321e-300;
        QTest::addRow("%s near the largest", format) << f << 1.79769313486231e308;
        QTest::addRow("%s denormal", format) << f << std::numeric_limits<double>::denorm_min();
        QTest::addRow("%s negative", format) << f << -1234.5678;
    }
}

// The 15-digit text reads back as the number nearest it, and writing that
// number again gives the same text.
void TestNumberText::writtenNumbersReadBack()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    const NumberFormat &f = formatNamed(format);
    const QString text = NumberToText(value, f);
    const std::optional<double> back = TextToNumber(text, f);
    QVERIFY2(back, qPrintable(text));
    QCOMPARE(NumberToText(*back, f), text);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
