#pragma once

// An independent reading of plain decimal texts, for checking the program's
// own conversions: the C library in the C locale.

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <string>

#include <locale.h>

inline locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

struct Reading {
    double value;
    bool overflows;
};

// strtod reads denormals and rounds underflows to zero, as the program must;
// an overflow it reports as a huge value.
inline Reading referenceRead(const std::string &plain)
{
    errno = 0;
    const double value = strtod_l(plain.c_str(), nullptr, cLocale());
    const bool overflows = errno == ERANGE && (value == HUGE_VAL || value == -HUGE_VAL);
    return {value, overflows};
}
