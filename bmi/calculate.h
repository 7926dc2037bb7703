#pragma once

class MeasurementEntry;
class ResultPanel;
struct InputProblem;

// The CALCULATE button: works out the BMI from both groups and shows it in
// the result panel, or tells the user what is wrong with the input.
class Calculate
{
public:
    Calculate(const MeasurementEntry &entry, ResultPanel &resultPanel);

    void btnCalculate_Click();

private:
    void refuseInput(const InputProblem &problem);

    const MeasurementEntry &m_entry;
    ResultPanel &m_resultPanel;
};
