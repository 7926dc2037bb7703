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

// The height and the weight text read as numbers in the user's regional
// format, or the message that tells what is wrong with them: one of the eight
// of validation, or that of a value of zero.
std::variant<Measurements, QString> readMeasurements(const QString &height, const QString &weight);

// The BMI in kg/m² by the rule for the two units, or nothing when the
// arithmetic raised a floating-point exception (invalid, division by zero,
// overflow) at any step.
std::optional<double> bodyMassIndex(Measurements measured, HeightUnit heightUnit, WeightUnit weightUnit);

// The line of the weight-status table a BMI as shown (rounded to one decimal)
// falls on; none for a value of zero or below.
enum class WeightStatus { None, Underweight, Normal, Overweight, Obese };
WeightStatus weightStatusOf(double shown);
