#pragma once

#include <QString>

#include <optional>

enum class HeightUnit { Inches, Centimetres };
enum class WeightUnit { Pounds, Kilograms };

// What is wrong with a height and a weight text, as the user is told it;
// empty when both are numbers.
QString inputProblem(const QString &height, const QString &weight);

// The BMI in kg/m² by the rule for the two units, or nothing when the
// arithmetic raised a floating-point exception (invalid, division by zero,
// overflow) at any step.
std::optional<double> bodyMassIndex(double height, double weight, HeightUnit heightUnit, WeightUnit weightUnit);

namespace Messages {
inline const QString Oops = QStringLiteral("Oops!");
inline const QString ZeroValue = QStringLiteral("Please Enter Or Select A Height And Weight Other Than Zero");
inline const QString OutOfRange = QStringLiteral("The Height Or Weight Value Is Out Of Range");
}
