#include "calculate.h"

#include "calculation.h"
#include "messages.h"
#include "resultpanel.h"

#include "measure/measuremententry.h"
#include "toolkit/messagebox.h"

namespace {

QString messageFor(const InputProblem &problem)
{
    switch (problem.kind) {
    case InputProblem::NotNumbers:
        return Messages::ForInput[int(problem.height)][int(problem.weight)];
    case InputProblem::Zero:
        return Messages::ZeroValue;
    case InputProblem::OutOfRange:
        break;
    }
    return Messages::OutOfRange;
}

}

Calculate::Calculate(const MeasurementEntry &entry, ResultPanel &resultPanel)
    : m_entry(entry), m_resultPanel(resultPanel)
{
}

// The figure goes one way: from the texts to the measurements, to the BMI, to
// the result as shown (its text and its status from the same digits), to the
// panel. No BMI, or one too wide for its box, is refused as out of range.
void Calculate::btnCalculate_Click()
{
    m_resultPanel.ResetStatusColours();
    const auto read = readMeasurements(m_entry.txtHght->text(), m_entry.txtWeight->text());
    if (const InputProblem *problem = std::get_if<InputProblem>(&read))
        return refuseInput(*problem);
    const Measurements measured = std::get<Measurements>(read);
    const std::optional<Result> result = resultOf(bodyMassIndex(measured, m_entry.heightUnit(), m_entry.weightUnit()));
    if (!result)
        return refuseInput({InputProblem::OutOfRange});
    m_resultPanel.ShowResult(*result);
}

void Calculate::refuseInput(const InputProblem &problem)
{
    m_resultPanel.lblResult->setCaption(QString());
    MsgBox(messageFor(problem), MsgBoxStyle::Exclamation, Messages::Oops);
}
