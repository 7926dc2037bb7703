#include "calculation.h"

#include "numbertext.h"

#include <cfenv>

namespace {

constexpr double InchPoundFactor = 703;
constexpr double CentimetresPerInch = 2.54;
constexpr double KilogramsPerPound = 0.45359237;
constexpr double SquareCentimetresPerSquareMetre = 10000;

// Each step is stored, so that every operation happens, in this order,
// between clearing and testing the exception flags.
double bmiByRule(double h, double w, HeightUnit heightUnit, WeightUnit weightUnit)
{
    if (heightUnit == HeightUnit::Inches && weightUnit == WeightUnit::Pounds) {
        const volatile double p = h * h;
        return (w / p) * InchPoundFactor;
    }
    if (heightUnit == HeightUnit::Inches) {
        const volatile double a = h * CentimetresPerInch;
        const volatile double b = h * CentimetresPerInch;
        const volatile double p = a * b;
        return (w / p) * SquareCentimetresPerSquareMetre;
    }
    if (weightUnit == WeightUnit::Pounds) {
        const volatile double k = w * KilogramsPerPound;
        const volatile double p = h * h;
        return (k / p) * SquareCentimetresPerSquareMetre;
    }
    const volatile double p = h * h;
    return (w / p) * SquareCentimetresPerSquareMetre;
}

}

QString inputProblem(const QString &height, const QString &weight)
{
    const bool noHeight = height.isEmpty();
    const bool noWeight = weight.isEmpty();
    const bool badHeight = !IsNumericText(height);
    const bool badWeight = !IsNumericText(weight);
    if (noHeight && noWeight)
        return QStringLiteral("Please Enter Or Select A Value For Both Height And Weight");
    if (noHeight && badWeight)
        return QStringLiteral("Please Enter Or Select A Height Value And A Valid Weight Value");
    if (noWeight && badHeight)
        return QStringLiteral("Please Enter Or Select A Weight Value And A Valid Height Value");
    if (noHeight)
        return QStringLiteral("Please Enter Or Select A Height Value");
    if (noWeight)
        return QStringLiteral("Please Enter Or Select A Weight Value");
    if (badHeight && badWeight)
        return QStringLiteral("Please Enter Or Select A Valid Height And Weight Value");
    if (badHeight)
        return QStringLiteral("Please Enter Or Select A Valid Height Value");
    if (badWeight)
        return QStringLiteral("Please Enter Or Select A Valid Weight Value");
    return QString();
}

std::optional<double> bodyMassIndex(double height, double weight, HeightUnit heightUnit, WeightUnit weightUnit)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const volatile double bmi = bmiByRule(height, weight, heightUnit, weightUnit);
    if (std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW))
        return std::nullopt;
    return bmi;
}
