#include "app/formbmi.h"

#include "calculation.h"
#include "numbertext.h"
#include "app/messages.h"
#include "toolkit/messagebox.h"

void FormBMI::btnCalculate_Click()
{
    ResetStatusColours();
    const auto read = readMeasurements(txtHght->text(), txtWeight->text());
    if (const QString *problem = std::get_if<QString>(&read))
        return refuseInput(*problem);
    const HeightUnit heightUnit = rdoInches->value() ? HeightUnit::Inches : HeightUnit::Centimetres;
    const WeightUnit weightUnit = rdoPounds->value() ? WeightUnit::Pounds : WeightUnit::Kilograms;
    const std::optional<double> bmi = bodyMassIndex(std::get<Measurements>(read), heightUnit, weightUnit);
    // The figure goes from number to text and back on purpose: rounded first to
    // 15 digits, then to one decimal on that text (24.95, a double just below
    // it, shows 25.0), and the status follows the figure as shown. A BMI so
    // near the largest double that its 15-digit form lies beyond it cannot be
    // shown, nor one too wide for its box, of which only the middle would show.
    const QString shown = bmi ? FormatOneDecimal(NumberToText(*bmi)) : QString();
    if (shown.isEmpty() || !lblResult->fitsOnOneLine(shown))
        return refuseInput(Messages::OutOfRange);
    lblResult->setCaption(shown);
    ShowWeightStatus();
    AnnounceResult();
}

void FormBMI::refuseInput(const QString &message)
{
    lblResult->setCaption(QString());
    MsgBox(message, MsgBoxStyle::Exclamation, Messages::Oops);
}
