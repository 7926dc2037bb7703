// Any text, in a full-stop and in a decimal-comma region: reading it never
// crashes, and every text read is the double nearest its value.
#include "bmi/numbertext.h"
#include "reference.h"

#include <QList>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const NumberFormat FullStop{QStringLiteral("."), QStringLiteral(",")};
const NumberFormat DecimalComma{QStringLiteral(","), QStringLiteral(".")};

// Strips what the region adds to a plain number: blanks, group separators,
// a decimal separator other than the full stop, and digits of other scripts.
std::string plainForm(const QString &text, const NumberFormat &format)
{
    QString plain = text.trimmed();
    plain.remove(format.groupSeparator);
    plain.replace(format.decimalSeparator, QStringLiteral("."));
    std::string ascii;
    for (const char32_t c : plain.toUcs4())
        ascii += QChar::category(c) == QChar::Number_DecimalDigit ? std::string(1, char('0' + QChar::digitValue(c)))
                                                                  : QString::fromUcs4(&c, 1).toStdString();
    return ascii;
}

void check(const QString &text, const NumberFormat &format)
{
    const std::optional<double> value = TextToNumber(text, format);
    if (!value)
        return;
    const Reading reference = referenceRead(plainForm(text, format));
    if (reference.overflows || std::bit_cast<std::uint64_t>(reference.value) != std::bit_cast<std::uint64_t>(*value))
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &text : {QString::fromUtf8(bytes), QString::fromLatin1(bytes)}) {
        check(text, FullStop);
        check(text, DecimalComma);
    }
    return 0;
}
