#pragma once

#include <QString>

#include <optional>
#include <variant>

enum class HeightUnit { Inches, Centimetres };
enum class WeightUnit { Pounds, Kilograms };

struct Measurements {
    double height;
    double weight;
};

// A height or weight text as validation sees it.
enum class TextState { Empty, NotNumeric, Numeric };

// Why the inputs give no BMI: texts that are not both numbers (then the state
// of each tells which), a value of zero, or a BMI that cannot be shown.
struct InputProblem {
    enum Kind { NotNumbers, Zero, OutOfRange };
    Kind kind;
    TextState height = TextState::Numeric;
    TextState weight = TextState::Numeric;
};

// The height and the weight text read as numbers in the user's regional
// format, or what is wrong with them.
std::variant<Measurements, InputProblem> readMeasurements(const QString &height, const QString &weight);

// The BMI in kg/m² by the rule for the two units, or nothing when the
// arithmetic raised a floating-point exception (invalid, division by zero,
// overflow) at any step.
std::optional<double> bodyMassIndex(Measurements measured, HeightUnit heightUnit, WeightUnit weightUnit);

// The line of the weight-status table a BMI as shown (rounded to one decimal)
// falls on; none for a value of zero or below.
enum class WeightStatus { None, Underweight, Normal, Overweight, Obese };
WeightStatus weightStatusOf(double shown);

// A BMI as the panel shows it: the figure with one decimal and its weight
// status, both from the same 15-digit form of the BMI, so that a BMI just
// below 24.95 shows 25.0 and is Overweight. Nothing for no BMI, or for one
// whose figure is wider than the result box shows whole: more than
// WidestFigure characters, as 100000.0 or -10000.0 are.
struct Result {
    QString shown;
    WeightStatus status;
};
constexpr qsizetype WidestFigure = 7;
std::optional<Result> resultOf(std::optional<double> bmi);
