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

TextState stateOf(const QString &text, const std::optional<double> &value)
{
    return text.isEmpty() ? TextState::Empty : value ? TextState::Numeric : TextState::NotNumeric;
}

}

// Validation's eight tests, taken in their order, come to a verdict that
// depends on the two states alone; the messages are kept by those states.
std::variant<Measurements, InputProblem> readMeasurements(const QString &height, const QString &weight)
{
    const std::optional<double> h = TextToNumber(height);
    const std::optional<double> w = TextToNumber(weight);
    if (!h || !w)
        return InputProblem{InputProblem::NotNumbers, stateOf(height, h), stateOf(weight, w)};
    if (*h == 0 || *w == 0)
        return InputProblem{InputProblem::Zero};
    return Measurements{*h, *w};
}

std::optional<double> bodyMassIndex(Measurements measured, HeightUnit heightUnit, WeightUnit weightUnit)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const volatile double bmi = bmiByRule(measured.height, measured.weight, heightUnit, weightUnit);
    if (std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW))
        return std::nullopt;
    return bmi;
}

WeightStatus weightStatusOf(double shown)
{
    if (0 < shown && shown < 18.5)
        return WeightStatus::Underweight;
    if (18.5 <= shown && shown <= 24.9)
        return WeightStatus::Normal;
    if (24.9 < shown && shown <= 29.9)
        return WeightStatus::Overweight;
    if (29.9 < shown)
        return WeightStatus::Obese;
    return WeightStatus::None;
}

std::optional<Result> resultOf(std::optional<double> bmi)
{
    if (!bmi)
        return std::nullopt;
    const OneDecimal shown = roundToOneDecimal(*bmi);
    const QString text = shown.text();
    if (text.size() > WidestFigure)
        return std::nullopt;
    return Result{text, weightStatusOf(shown.value())};
}
