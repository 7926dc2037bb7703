#include "numbertext.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>

#include <locale.h>
#include <stdlib.h>

namespace {

// A no-break space, copied from a web page, is a blank like any other.
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F';
}

// Turns a text in the region's format into the plain form that the C library
// reads: sign, digits, a full stop, digits, and an exponent.
class PlainNumber
{
public:
    PlainNumber(QStringView text, const NumberFormat &format)
        : m_text(text), m_format(format)
    {
    }

    std::optional<std::string> parse()
    {
        skipBlanks();
        if (peek(u'+') || peek(u'-'))
            m_plain += char(m_text[m_pos++].unicode());
        const qsizetype integerDigits = digitsWithGroups();
        qsizetype fractionDigits = 0;
        if (accept(m_format.decimalSeparator) || (fullStopIsDecimalToo() && accept(QStringLiteral(".")))) {
            m_plain += '.';
            fractionDigits = digits();
        }
        if (integerDigits + fractionDigits == 0)
            return std::nullopt;
        if (peek(u'E') || peek(u'e')) {
            m_plain += 'e';
            ++m_pos;
            if (peek(u'+') || peek(u'-'))
                m_plain += char(m_text[m_pos++].unicode());
            if (digits() == 0)
                return std::nullopt;
        }
        skipBlanks();
        if (m_pos != m_text.size())
            return std::nullopt;
        return m_plain;
    }

private:
    bool peek(char16_t c) const { return m_pos < m_text.size() && m_text[m_pos] == c; }

    bool accept(const QString &separator)
    {
        if (separator.isEmpty() || !m_text.sliced(m_pos).startsWith(separator))
            return false;
        m_pos += separator.size();
        return true;
    }

    // Where the full stop stands for nothing else in the region, it reads as
    // its decimal mark too: a keypad's decimal key types one in a comma
    // region, and many keyboards have no key for "٫".
    bool fullStopIsDecimalToo() const
    {
        return m_format.decimalSeparator != u"." && m_format.groupSeparator != u".";
    }

    // The value of a decimal digit of any script at `at` (ASCII, the region's
    // own, full-width as an input method types them, …), and how many code
    // units it takes; -1 for none.
    std::pair<int, qsizetype> digitAt(qsizetype at) const
    {
        if (at >= m_text.size())
            return {-1, 0};
        const bool pair = m_text[at].isHighSurrogate() && at + 1 < m_text.size() && m_text[at + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(m_text[at], m_text[at + 1]) : m_text[at].unicode();
        if (QChar::category(c) != QChar::Number_DecimalDigit)
            return {-1, 0};
        return {QChar::digitValue(c), pair ? 2 : 1};
    }

    // The run of digits from `at`: where it ends and how many digits it
    // holds, appending them as ASCII to `plain` where one is given.
    std::pair<qsizetype, qsizetype> digitRun(qsizetype at, std::string *plain) const
    {
        qsizetype count = 0;
        for (auto [value, length] = digitAt(at); value >= 0; std::tie(value, length) = digitAt(at)) {
            if (plain)
                *plain += char('0' + value);
            at += length;
            ++count;
        }
        return {at, count};
    }

    qsizetype digits()
    {
        const auto [end, count] = digitRun(m_pos, &m_plain);
        m_pos = end;
        return count;
    }

    // A group separator counts only between digits and before a whole group of three.
    qsizetype digitsWithGroups()
    {
        qsizetype count = digits();
        while (count > 0 && wholeGroupFollows()) {
            m_pos += m_format.groupSeparator.size();
            count += digits();
        }
        return count;
    }

    bool wholeGroupFollows() const
    {
        const QString &group = m_format.groupSeparator;
        if (group.isEmpty() || !m_text.sliced(m_pos).startsWith(group))
            return false;
        return digitRun(m_pos + group.size(), nullptr).second == 3;
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    QStringView m_text;
    const NumberFormat &m_format;
    qsizetype m_pos = 0;
    std::string m_plain;
};

// The C library's reading of the plain form, always in the C locale whatever
// the program's own: the same verdict on overflow (no number) and underflow
// (the nearest double, zero or denormal) as the C library gives any program.
std::optional<double> readPlain(const std::string &plain)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    char *end = nullptr;
    errno = 0;
    const double value = strtod_l(plain.c_str(), &end, c);
    if (end != plain.c_str() + plain.size() || (errno == ERANGE && std::isinf(value)))
        return std::nullopt;
    return value;
}

// A value's significant digits: value = 0.digits × 10^(exponent + 1).
constexpr int SignificantDigitCount = 15;
struct SignificantDigits {
    bool negative;
    std::string digits;
    int exponent;
};

SignificantDigits significantDigits(double value)
{
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, SignificantDigitCount - 1);
    const std::string text(buffer.data(), result.ptr);
    const bool negative = text.front() == '-';
    const std::string body = negative ? text.substr(1) : text;
    const std::size_t e = body.find('e');
    return {negative, body.substr(0, 1) + body.substr(2, e - 2), std::stoi(body.substr(e + 1))};
}

// Rounds a string of decimal digits to drop the last `dropped` of them, halves away from zero.
std::string roundOff(std::string digits, std::size_t dropped)
{
    if (dropped > digits.size())
        return "0";
    const bool up = dropped > 0 && digits[digits.size() - dropped] >= '5';
    digits.resize(digits.size() - dropped);
    if (digits.empty())
        digits = "0";
    if (up) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    return digits;
}

}

const NumberFormat &NumberFormat::regional()
{
    static const NumberFormat format = [] {
        const QLocale locale = QLocale::system();
        return NumberFormat{locale.decimalPoint(), locale.groupSeparator()};
    }();
    return format;
}

std::optional<double> TextToNumber(const QString &text, const NumberFormat &format)
{
    const std::optional<std::string> plain = PlainNumber(text, format).parse();
    return plain ? readPlain(*plain) : std::nullopt;
}

OneDecimal roundToOneDecimal(double value)
{
    const SignificantDigits form = significantDigits(value);
    // The digits scaled to tenths: shift by the exponent, keeping one decimal.
    const int shift = form.exponent - int(form.digits.size()) + 2;
    std::string tenths = shift >= 0 ? form.digits + std::string(std::size_t(shift), '0')
                                    : roundOff(form.digits, std::size_t(-shift));
    tenths.erase(0, std::min(tenths.find_first_not_of('0'), tenths.size() - 1));
    return {value < 0, std::move(tenths)};
}

double OneDecimal::value() const
{
    const std::string plain = (negative ? "-" : "") + tenths + "e-1";
    return readPlain(plain).value_or(negative ? -HUGE_VAL : HUGE_VAL);
}

QString OneDecimal::text(const NumberFormat &format) const
{
    const QString integer = QString::fromLatin1(tenths.substr(0, tenths.size() - 1));
    return (negative ? QStringLiteral("-") : QString()) + integer + format.decimalSeparator
        + QChar::fromLatin1(tenths.back());
}
