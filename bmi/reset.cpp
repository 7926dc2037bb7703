#include "reset.h"

#include "resultpanel.h"

#include "measure/measuremententry.h"

Reset::Reset(MeasurementEntry &entry, ResultPanel &resultPanel)
    : m_entry(entry), m_resultPanel(resultPanel)
{
}

// Writes the start state back in a fixed order. Some writes run Click
// handlers inside them (app/formbmi.h), which write only values that the
// sequence itself sets.
void Reset::btnReset_Click()
{
    m_resultPanel.lblResult->setCaption(QString());
    m_entry.txtHght->setText(QString());
    m_entry.txtWeight->setText(QString());
    m_entry.cboStone->setListIndex(0);
    m_entry.cboFeet->setListIndex(0);
    m_entry.rdoCentimetres->setValue(false);
    m_entry.rdoKilograms->setValue(false);
    m_entry.rdoInches->setValue(true);
    m_entry.rdoPounds->setValue(true);
    m_entry.showUnitChosen(m_entry.lblInches, m_entry.lblCentimetres);
    m_entry.showUnitChosen(m_entry.lblPounds, m_entry.lblKilograms);
    m_resultPanel.ResetStatusColours();
    m_resultPanel.AnnounceReset();
}
