#include "support.h"

#include "bmi/calculation.h"
#include "bmi/numbertext.h"
#include "bmi/messages.h"

#include <QLocale>
#include <QMenu>

#include <limits>

class TestCalculate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { configureApplication(); }
    void init() { window = openMainWindow(); }
    void cleanup() { delete window; }

    void calculate_data();
    void calculate();
    void typedAndPressedByKeyboard();
    void rulesAtTheirLimits_data();
    void rulesAtTheirLimits();
    void weightStatusOfShownValue_data();
    void weightStatusOfShownValue();

private:
    void enter(const char *field, const QString &text, const char *unit);
    QPointer<FormBMI> window;
};

namespace {

bool decimalComma()
{
    return NumberFormat::regional().decimalSeparator == u",";
}

QString both(const char *stop, const char *comma)
{
    return QString::fromUtf8(decimalComma() ? comma : stop);
}

}

void TestCalculate::calculate_data()
{
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("heightUnit");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("weightUnit");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");

    const QString none;
    // the four unit rules
    QTest::newRow("cm kg") << "170" << "cm" << "70" << "kg" << both("24.2", "24,2") << 2 << none;
    QTest::newRow("in lb") << "68" << "in" << "154" << "lb" << both("23.4", "23,4") << 2 << none;
    QTest::newRow("in lb typical use") << "67" << "in" << "154" << "lb" << both("24.1", "24,1") << 2 << none;
    QTest::newRow("in kg") << "70" << "in" << "68" << "kg" << both("21.5", "21,5") << 2 << none;
    QTest::newRow("cm lb") << "175" << "cm" << "160" << "lb" << both("23.7", "23,7") << 2 << none;
    QTest::newRow("pound factor in the last digit") << "100" << "cm" << both("110.34", "110,34") << "lb" << both("50.0", "50,0") << 4 << none;
    // the roundings and thresholds on the shown value
    QTest::newRow("obese") << "180" << "cm" << "100" << "kg" << both("30.9", "30,9") << 4 << none;
    QTest::newRow("24.95 shows 25.0") << "200" << "cm" << both("99.8", "99,8") << "kg" << both("25.0", "25,0") << 3 << none;
    QTest::newRow("18.45 shows 18.5") << "200" << "cm" << both("73.8", "73,8") << "kg" << both("18.5", "18,5") << 2 << none;
    QTest::newRow("top of Normal") << "100" << "cm" << both("24.9", "24,9") << "kg" << both("24.9", "24,9") << 2 << none;
    QTest::newRow("just above 29.9") << "200" << "cm" << both("119.6", "119,6") << "kg" << both("29.9", "29,9") << 3 << none;
    QTest::newRow("29.95 shows 30.0") << "200" << "cm" << both("119.8", "119,8") << "kg" << both("30.0", "30,0") << 4 << none;
    QTest::newRow("below one") << "1000" << "cm" << "5" << "kg" << both(".1", ",1") << 1 << none;
    QTest::newRow("shows zero") << "1000" << "cm" << both("0.4", "0,4") << "kg" << both(".0", ",0") << 0 << none;
    QTest::newRow("hundred") << "10" << "cm" << "1" << "kg" << both("100.0", "100,0") << 4 << none;
    QTest::newRow("negative") << "170" << "cm" << "-70" << "kg" << both("-24.2", "-24,2") << 0 << none;
    QTest::newRow("trailing blanks") << "170  " << "cm" << "70" << "kg" << both("24.2", "24,2") << 2 << none;
    // the eight messages
    QTest::newRow("both empty") << "" << "cm" << "" << "kg" << "" << 0 << "Please Enter Or Select A Value For Both Height And Weight";
    QTest::newRow("no height, bad weight") << "" << "cm" << "70kg" << "kg" << "" << 0 << "Please Enter Or Select A Height Value And A Valid Weight Value";
    QTest::newRow("no height") << "" << "cm" << "70" << "kg" << "" << 0 << "Please Enter Or Select A Height Value";
    QTest::newRow("blank height, no weight") << " " << "cm" << "" << "kg" << "" << 0 << "Please Enter Or Select A Weight Value And A Valid Height Value";
    QTest::newRow("no weight") << "170" << "cm" << "" << "kg" << "" << 0 << "Please Enter Or Select A Weight Value";
    QTest::newRow("both bad") << "tall" << "in" << "heavy" << "lb" << "" << 0 << "Please Enter Or Select A Valid Height And Weight Value";
    QTest::newRow("bad height") << "170cm" << "cm" << "70" << "kg" << "" << 0 << "Please Enter Or Select A Valid Height Value";
    QTest::newRow("bad weight") << "170" << "cm" << "70kg" << "kg" << "" << 0 << "Please Enter Or Select A Valid Weight Value";
    // zero values and floating-point exceptions
    QTest::newRow("zero height") << "0" << "cm" << "70" << "kg" << "" << 0 << Messages::ZeroValue;
    QTest::newRow("zero height, no weight") << "0" << "cm" << "" << "kg" << "" << 0 << "Please Enter Or Select A Weight Value";
    QTest::newRow("zero weight") << "170" << "in" << both("0.00", "0,00") << "lb" << "" << 0 << Messages::ZeroValue;
    QTest::newRow("underflowing height") << "1E-400" << "cm" << "70" << "kg" << "" << 0 << Messages::ZeroValue;
    QTest::newRow("height beyond a double") << "1E400" << "cm" << "70" << "kg" << "" << 0 << "Please Enter Or Select A Valid Height Value";
    QTest::newRow("square overflows") << "1E200" << "in" << "70" << "lb" << "" << 0 << Messages::OutOfRange;
    QTest::newRow("square underflows") << "1E-200" << "cm" << "70" << "kg" << "" << 0 << Messages::OutOfRange;
    QTest::newRow("overflow ends finite") << "1E154" << "in" << "70" << "kg" << "" << 0 << Messages::OutOfRange;
    QTest::newRow("too large to show") << "100" << "cm" << both("1.7976931348623157E308", "1,7976931348623157E308") << "kg" << "" << 0 << Messages::OutOfRange;
    // extreme texts
    const QString thousands(3000, u'0');
    QTest::newRow("1E308 inches") << "1E308" << "in" << "70" << "lb" << "" << 0 << Messages::OutOfRange;
    QTest::newRow("1E-308 cm") << "1E-308" << "cm" << "70" << "kg" << "" << 0 << Messages::OutOfRange;
    QTest::newRow("denormal height") << both("4.9E-324", "4,9E-324") << "cm" << "70" << "kg" << "" << 0 << Messages::OutOfRange;
    QTest::newRow("minus zero") << "-0" << "cm" << "70" << "kg" << "" << 0 << Messages::ZeroValue;
    QTest::newRow("widest figure shows") << "1" << "cm" << both("9.99999", "9,99999") << "kg" << both("99999.9", "99999,9") << 4 << none;
    QTest::newRow("one digit more is out of range") << "1" << "cm" << "10" << "kg" << "" << 0 << Messages::OutOfRange;
    QTest::newRow("too wide for the box") << "170" << "cm" << "1E20" << "kg" << "" << 0 << Messages::OutOfRange;
    QTest::newRow("thousands of digits") << "1" + thousands << "cm" << "70" << "kg" << "" << 0 << "Please Enter Or Select A Valid Height Value";
    QTest::newRow("thousands of zeros after the point") << both("0.", "0,") + thousands + "1" << "cm" << "70" << "kg" << "" << 0 << Messages::ZeroValue;
    QTest::newRow("thousands of trailing zeros") << both("170.", "170,") + thousands << "cm" << "70" << "kg" << both("24.2", "24,2") << 2 << none;
    QTest::newRow("longest text the field takes") << QString(32767, u'7') << "cm" << "70" << "kg" << "" << 0 << "Please Enter Or Select A Valid Height Value";
    QTest::newRow("longest zero the field takes") << QString(32767, u'0') << "cm" << "70" << "kg" << "" << 0 << Messages::ZeroValue;
    // the value read is the value validated
    if (decimalComma()) {
        QTest::newRow("decimal comma") << "170" << "cm" << "70,5" << "kg" << "24,4" << 2 << none;
        QTest::newRow("stop is no decimal here") << "170" << "cm" << "70.5" << "kg" << "" << 0 << "Please Enter Or Select A Valid Weight Value";
        QTest::newRow("whole groups") << "67" << "in" << "1.000" << "lb" << "156,6" << 4 << none;
    } else {
        QTest::newRow("whole groups") << "67" << "in" << "1,000" << "lb" << "156.6" << 4 << none;
        QTest::newRow("short group") << "1,75" << "cm" << "70" << "kg" << "" << 0 << "Please Enter Or Select A Valid Height Value";
    }
}

void TestCalculate::enter(const char *field, const QString &text, const char *unit)
{
    clickOn(child<TextBox>(window, field));
    child<TextBox>(window, field)->setText(text);
    clickOn(child<OptionButton>(window, unit));
}

// Each row starts with an earlier result on show, which a message must not leave standing.
void TestCalculate::calculate()
{
    QFETCH(QString, height);
    QFETCH(QString, heightUnit);
    QFETCH(QString, weight);
    QFETCH(QString, weightUnit);
    MessageRecorder messages;
    auto *calculate = child<CommandButton>(window, "btnCalculate");
    auto *result = child<Label>(window, "lblResult");

    enter("txtHght", "170", "rdoCentimetres");
    enter("txtWeight", "70", "rdoKilograms");
    clickOn(calculate);
    QCOMPARE(highlightedLine(window), 2);
    QVERIFY(!result->caption().isEmpty());

    child<TextBox>(window, "txtHght")->setText(height);
    child<TextBox>(window, "txtWeight")->setText(weight);
    clickOn(child<OptionButton>(window, heightUnit == u"cm" ? "rdoCentimetres" : "rdoInches"));
    clickOn(child<OptionButton>(window, weightUnit == u"kg" ? "rdoKilograms" : "rdoPounds"));
    result->setCaption("stale");
    QString captionWhileShown;
    messages.whileShown = [&] { captionWhileShown = result->caption(); };
    clickOn(calculate);

    QTEST(result->caption(), "shown");
    QTEST(highlightedLine(window), "line");
    QFETCH(QString, message);
    if (message.isEmpty()) {
        QCOMPARE(messages.shown.size(), 0u);
        return;
    }
    QCOMPARE(messages.shown.size(), 1u);
    QCOMPARE(messages.shown[0].prompt, message);
    QCOMPARE(int(messages.shown[0].style), 48);
    QCOMPARE(messages.shown[0].title, QString("Oops!"));
    QCOMPARE(captionWhileShown, QString());
    QCOMPARE(child<TextBox>(window, "txtHght")->text(), height);
    QCOMPARE(child<TextBox>(window, "txtWeight")->text(), weight);
}

// Typing into a field that already has the focus clears the shown result, a
// visit to the menus leaves it, and Enter presses CALCULATE from the field.
void TestCalculate::typedAndPressedByKeyboard()
{
    MessageRecorder messages;
    auto *height = child<TextBox>(window, "txtHght");
    QCOMPARE(QApplication::focusWidget(), height);
    QTest::keyClicks(height, "67");
    QTest::keyClick(height, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child<TextBox>(window, "txtWeight"));
    QTest::keyClicks(QApplication::focusWidget(), "154");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(child<Label>(window, "lblResult")->caption(), both("24.1", "24,1"));
    QTest::keyClicks(QApplication::focusWidget(), "0");
    QVERIFY(child<Label>(window, "lblResult")->caption().isEmpty());
    QCOMPARE(highlightedLine(window), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // the menu bar borrowing the keys is no leaving of the field
    QTest::keyClick(window, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(child<QMenu>(window, "mnuHelpAbout")->isVisible());
    QTest::keyClick(child<QMenu>(window, "mnuHelpAbout"), Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(window, "txtWeight"));
    QCOMPARE(child<Label>(window, "lblResult")->caption(), both("24.1", "24,1"));
    QCOMPARE(highlightedLine(window), 2);
    QCOMPARE(messages.shown.size(), 0u);
}

void TestCalculate::rulesAtTheirLimits_data()
{
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("weight");
    QTest::addColumn<int>("rule");
    QTest::addColumn<double>("bmi");  // NaN: the arithmetic raised an exception

    const double max = std::numeric_limits<double>::max();
    const double denormal = std::numeric_limits<double>::denorm_min();
    const double none = std::numeric_limits<double>::quiet_NaN();
    // 170 and 70 by each rule, in inches or centimetres and pounds or kilograms
    const double ordinary[] = {1.7027681660899652, 3.754332768181107, 10.986666401384083, 24.22145328719723};
    for (int rule = 0; rule < 4; ++rule) {
        QTest::addRow("ordinary %d", rule) << 170.0 << 70.0 << rule << ordinary[rule];
        QTest::addRow("largest height %d", rule) << max << 70.0 << rule << none;
        QTest::addRow("largest weight %d", rule) << 1.0 << max << rule << none;
        QTest::addRow("denormal height %d", rule) << denormal << 70.0 << rule << none;
        QTest::addRow("denormal weight %d", rule) << 170.0 << denormal << rule << 0.0;
    }
}

void TestCalculate::rulesAtTheirLimits()
{
    QFETCH(double, height);
    QFETCH(double, weight);
    QFETCH(int, rule);
    QFETCH(double, bmi);
    const auto heightUnit = rule < 2 ? HeightUnit::Inches : HeightUnit::Centimetres;
    const auto weightUnit = rule % 2 ? WeightUnit::Kilograms : WeightUnit::Pounds;
    const std::optional<double> computed = bodyMassIndex({height, weight}, heightUnit, weightUnit);
    QCOMPARE(computed.has_value(), !std::isnan(bmi));
    if (computed)
        QCOMPARE(*computed, bmi);
}

// Each line from where its caption says it begins to where it ends.
void TestCalculate::weightStatusOfShownValue_data()
{
    QTest::addColumn<double>("shown");
    QTest::addColumn<int>("status");

    QTest::newRow("below one") << 0.1 << int(WeightStatus::Underweight);
    QTest::newRow("18.4") << 18.4 << int(WeightStatus::Underweight);
    QTest::newRow("18.5") << 18.5 << int(WeightStatus::Normal);
    QTest::newRow("24.9") << 24.9 << int(WeightStatus::Normal);
    QTest::newRow("25.0") << 25.0 << int(WeightStatus::Overweight);
    QTest::newRow("29.9") << 29.9 << int(WeightStatus::Overweight);
    QTest::newRow("30.0") << 30.0 << int(WeightStatus::Obese);
    QTest::newRow("zero") << 0.0 << int(WeightStatus::None);
    QTest::newRow("negative") << -24.2 << int(WeightStatus::None);
}

void TestCalculate::weightStatusOfShownValue()
{
    QFETCH(double, shown);
    QTEST(int(weightStatusOf(shown)), "status");
}

QTEST_MAIN(TestCalculate)
#include "tst_calculate.moc"
