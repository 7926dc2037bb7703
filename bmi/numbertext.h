#pragma once

#include <QString>

#include <optional>
#include <string>

// The separators of a region's number format.
struct NumberFormat {
    QString decimalSeparator;
    QString groupSeparator;

    // The user's own format, read from the system locale once.
    static const NumberFormat &regional();
};

// Reads a whole text as a number in the region's format: blanks around an
// optional sign, digits with at most one decimal separator and group
// separators in whole groups of three before it, and an optional exponent.
// Digits are the decimal digits of any script; where the full stop is
// neither the region's decimal nor its group separator, it reads as the
// decimal separator too.
// Anything else, or a value beyond the range of a double, is no number.
std::optional<double> TextToNumber(const QString &text, const NumberFormat &format = NumberFormat::regional());

// A value as the result shows it: rounded first to its 15 significant digits,
// then, on that decimal form, to tenths with halves away from zero. The text
// and the number it stands for come from the same digits.
struct OneDecimal {
    bool negative;
    std::string tenths;  // the value in tenths: ASCII digits, no leading zero but a lone one

    // The double nearest the shown number, as its text would read back.
    double value() const;
    // Exactly one decimal, and no integer digit for a value below one (.5, .0).
    QString text(const NumberFormat &format = NumberFormat::regional()) const;
};
OneDecimal roundToOneDecimal(double value);
