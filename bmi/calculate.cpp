#include "app/formbmi.h"

#include "calculation.h"
#include "numbertext.h"
#include "toolkit/messagebox.h"

void FormBMI::btnCalculate_Click()
{
    ResetStatusColours();
    const QString H = txtHght->text();
    const QString W = txtWeight->text();
    if (const QString problem = inputProblem(H, W); !problem.isEmpty())
        return refuseInput(problem);
    const double h = *TextToNumber(H);
    const double w = *TextToNumber(W);
    if (h == 0 || w == 0)
        return refuseInput(Messages::ZeroValue);
    const HeightUnit heightUnit = rdoInches->value() ? HeightUnit::Inches : HeightUnit::Centimetres;
    const WeightUnit weightUnit = rdoPounds->value() ? WeightUnit::Pounds : WeightUnit::Kilograms;
    const std::optional<double> bmi = bodyMassIndex(h, w, heightUnit, weightUnit);
    // A BMI so near the largest double that its 15-digit form lies beyond it
    // cannot be shown either, nor one too wide for its box, of which only the
    // middle digits would show.
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
