#include "numbertext.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <system_error>
#include <tuple>
#include <utility>

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
        : m_text(text), m_format(format), m_zero(QStringView(format.zeroDigit).toUcs4().value(0, U'0'))
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

    // A region that writes "٫" gives no key for it on many keyboards; the
    // full stop, which stands for nothing else there, reads as one too.
    bool fullStopIsDecimalToo() const
    {
        const QString &decimal = m_format.decimalSeparator;
        return decimal != u"." && decimal != u"," && m_format.groupSeparator != u".";
    }

    // The value of an ASCII digit, or of a digit of the region's own
    // numbering system, at `at`, and how many code units it takes; -1 for none.
    std::pair<int, qsizetype> digitAt(qsizetype at) const
    {
        if (at >= m_text.size())
            return {-1, 0};
        if (const char16_t c = m_text[at].unicode(); c >= u'0' && c <= u'9')
            return {c - u'0', 1};
        if (m_zero == U'0')
            return {-1, 0};
        const bool pair = m_text[at].isHighSurrogate() && at + 1 < m_text.size() && m_text[at + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(m_text[at], m_text[at + 1]) : m_text[at].unicode();
        if (c >= m_zero && c <= m_zero + 9)
            return {int(c - m_zero), pair ? 2 : 1};
        return {-1, 0};
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
    const char32_t m_zero;
    qsizetype m_pos = 0;
    std::string m_plain;
};

// Whether a plain number that the C library found out of range is too small
// (it then reads as zero) rather than too large: the decimal exponent of its
// first significant digit is negative.
bool underflows(const std::string &plain)
{
    const std::size_t signLength = plain.front() == '-' || plain.front() == '+' ? 1 : 0;
    const std::size_t e = std::min(plain.find('e'), plain.size());
    const std::string mantissa = plain.substr(signLength, e - signLength);
    const auto point = (long long)std::min(mantissa.find('.'), mantissa.size());
    const auto first = (long long)mantissa.find_first_of("123456789");
    long long magnitude = point - first - (first < point ? 1 : 0);
    if (e < plain.size()) {
        const bool negative = plain[e + 1] == '-';
        std::string exponent = plain.substr(e + 1 + (negative || plain[e + 1] == '+' ? 1 : 0));
        exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size()));
        // An exponent of this many digits outweighs any mantissa a text field holds.
        if (exponent.size() > 15)
            return negative;
        const long long value = exponent.empty() ? 0 : std::stoll(exponent);
        magnitude += negative ? -value : value;
    }
    return magnitude < 0;
}

// A value's 15 significant digits: value = 0.digits × 10^(exponent + 1).
struct SignificantDigits {
    bool negative;
    std::string digits;
    int exponent;
};

SignificantDigits significantDigits(double value)
{
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, 14);
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
        return NumberFormat{locale.decimalPoint(), locale.groupSeparator(), locale.zeroDigit()};
    }();
    return format;
}

std::optional<double> TextToNumber(const QString &text, const NumberFormat &format)
{
    const std::optional<std::string> plain = PlainNumber(text, format).parse();
    if (!plain)
        return std::nullopt;
    const char *first = plain->data();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, plain->data() + plain->size(), value);
    if (error == std::errc::result_out_of_range && underflows(*plain))
        return plain->front() == '-' ? -0.0 : 0.0;
    if (error != std::errc() || end != plain->data() + plain->size())
        return std::nullopt;
    return value;
}

QString NumberToText(double value, const NumberFormat &format)
{
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    text.replace(u'e', u'E');
    text.replace(u'.', format.decimalSeparator);
    return text;
}

QString FormatOneDecimal(const QString &numberText, const NumberFormat &format)
{
    const std::optional<double> value = TextToNumber(numberText, format);
    if (!value)
        return QString();
    const SignificantDigits form = significantDigits(*value);
    // The digits scaled to tenths: shift by the exponent, keeping one decimal.
    const int shift = form.exponent - int(form.digits.size()) + 2;
    std::string tenths = shift >= 0 ? form.digits + std::string(std::size_t(shift), '0')
                                    : roundOff(form.digits, std::size_t(-shift));
    const std::size_t lead = tenths.find_first_not_of('0');
    const std::string integer = lead == std::string::npos || lead + 1 >= tenths.size()
        ? std::string()
        : tenths.substr(lead, tenths.size() - 1 - lead);
    QString text = QString::fromLatin1(integer) + format.decimalSeparator + QChar::fromLatin1(tenths.back());
    if (*value < 0)
        text.prepend(u'-');
    return text;
}
