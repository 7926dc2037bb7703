#pragma once

class MeasurementEntry;
class ResultPanel;

// The Reset button: puts both groups and the result panel back in the state
// the window opens in.
class Reset
{
public:
    Reset(MeasurementEntry &entry, ResultPanel &resultPanel);

    void btnReset_Click();

private:
    MeasurementEntry &m_entry;
    ResultPanel &m_resultPanel;
};
