// A million generated plain decimal texts read exactly as the C library reads
// them in the C locale, bit for bit; a value beyond the doubles is no number.
#include "bmi/numbertext.h"

#include <QTest>

#include <bit>
#include <cerrno>
#include <cmath>
#include <random>
#include <string>

#include <locale.h>

class TestDifferential : public QObject
{
    Q_OBJECT

private slots:
    void plainTextsReadAsTheCLibraryReadsThem();
};

namespace {

std::string generatedText(std::mt19937_64 &random)
{
    auto pick = [&](int below) { return int(random() % unsigned(below)); };
    auto digits = [&](int count) {
        std::string run;
        for (int i = 0; i < count; ++i)
            run += char('0' + pick(10));
        return run;
    };
    std::string text;
    if (const int sign = pick(4); sign == 1)
        text += '-';
    else if (sign == 2)
        text += '+';
    const int whole = pick(6) == 0 ? 0 : 1 + pick(pick(8) == 0 ? 40 : 17);
    text += digits(whole);
    if (whole == 0 || pick(2) == 0) {
        text += '.';
        text += digits(whole == 0 ? 1 + pick(20) : pick(20));
    }
    if (pick(3) == 0) {
        text += pick(2) ? 'E' : 'e';
        if (const int sign = pick(3); sign == 1)
            text += '-';
        else if (sign == 2)
            text += '+';
        text += digits(1 + pick(3));
    }
    return text;
}

}

void TestDifferential::plainTextsReadAsTheCLibraryReadsThem()
{
    const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    const NumberFormat plain{QStringLiteral("."), QStringLiteral(",")};
    std::mt19937_64 random(20261208);
    int rejected = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const std::string text = generatedText(random);
        errno = 0;
        const double expected = strtod_l(text.c_str(), nullptr, c);
        const bool overflows = errno == ERANGE && std::isinf(expected);
        const std::optional<double> value = TextToNumber(QString::fromLatin1(text), plain);
        if (overflows) {
            QVERIFY2(!value, text.c_str());
            ++rejected;
            continue;
        }
        QVERIFY2(value, text.c_str());
        QVERIFY2(std::bit_cast<quint64>(*value) == std::bit_cast<quint64>(expected), text.c_str());
    }
    freelocale(c);
    // the generator reaches beyond the doubles too
    QVERIFY(rejected > 0);
}

QTEST_APPLESS_MAIN(TestDifferential)
#include "tst_differential.moc"
