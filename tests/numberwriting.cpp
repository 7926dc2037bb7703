#include "numberwriting.h"

#include <array>
#include <charconv>

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
    return value ? roundToOneDecimal(*value).text(format) : QString();
}
