// Any double: the 15-digit text written for it reads back as the double
// nearest that text, writes back the same, and its one-decimal form agrees
// with a decimal reference written here, apart from the program's code.
#include "tests/numberwriting.h"
#include "reference.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const NumberFormat FullStop{QStringLiteral("."), QStringLiteral(",")};
const NumberFormat DecimalComma{QStringLiteral(","), QStringLiteral(".")};

// One decimal, halves away from zero, on the 15 significant digits of the
// value, with no integer digit below one: placed by the decimal point's
// position rather than by scaling.
std::string oneDecimalReference(double value, char separator)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    const std::string digits = std::string(1, text[0]) + std::string(text + 2, 14);
    const int point = std::atoi(std::strchr(text, 'e') + 1) + 1;
    std::string integer, fraction;
    if (point <= 0) {
        fraction = std::string(std::size_t(-point), '0') + digits;
    } else if (point >= int(digits.size())) {
        integer = digits + std::string(std::size_t(point) - digits.size(), '0');
    } else {
        integer = digits.substr(0, std::size_t(point));
        fraction = digits.substr(std::size_t(point));
    }
    fraction += "00";
    std::string kept = integer + fraction[0];
    if (fraction[1] >= '5') {
        int i = int(kept.size()) - 1;
        for (; i >= 0 && kept[std::size_t(i)] == '9'; --i)
            kept[std::size_t(i)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[std::size_t(i)];
    }
    std::string whole = kept.substr(0, kept.size() - 1);
    whole.erase(0, whole.find_first_not_of('0') == std::string::npos ? whole.size() : whole.find_first_not_of('0'));
    return (value < 0 ? "-" : "") + whole + separator + kept.back();
}

void check(double value, const NumberFormat &format, char separator)
{
    const QString text = NumberToText(value, format);
    const std::optional<double> back = TextToNumber(text, format);
    char plain[40];
    std::snprintf(plain, sizeof plain, "%.15g", value);
    const Reading reference = referenceRead(plain);
    if (reference.overflows) {
        // the 15-digit form lies beyond the largest double
        if (back || !FormatOneDecimal(text, format).isEmpty())
            std::abort();
        return;
    }
    if (!back || std::bit_cast<std::uint64_t>(*back) != std::bit_cast<std::uint64_t>(reference.value))
        std::abort();
    if (NumberToText(*back, format) != text)
        std::abort();
    if (FormatOneDecimal(text, format).toStdString() != oneDecimalReference(value, separator))
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size != sizeof(double))
        return -1;
    double value;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return -1;
    check(value, FullStop, '.');
    check(value, DecimalComma, ',');
    return 0;
}
