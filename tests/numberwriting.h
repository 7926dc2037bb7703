#pragma once

// Numbers written as texts in a region's format, against which the tests and
// the fuzz targets check the program's reading and its one-decimal rounding;
// the program itself writes only its result (roundToOneDecimal).

#include "bmi/numbertext.h"

// At most 15 significant digits, with exponent form for very large or small magnitudes.
QString NumberToText(double value, const NumberFormat &format);

// A number text written with exactly one decimal, halves rounded away from
// zero on its 15-digit form, and no integer digit for a value below one
// (.5, .0). A text that is no number gives an empty text.
QString FormatOneDecimal(const QString &numberText, const NumberFormat &format);
