#include "measuremententry.h"

#include "bmi/resultpanel.h"

// Choosing a unit never touches the typed number: it only says how the
// calculation reads it.

void MeasurementEntry::rdoCentimetres_Click()
{
    m_resultPanel.ClearResult([this] {
        showUnitChosen(lblCentimetres, lblInches);
        // Runs cboFeet_Click, which selects inches; selecting centimetres again
        // re-enters this handler, where nothing changes any more (app/formbmi.h).
        cboFeet->setListIndex(0);
        rdoCentimetres->setValue(true);
    });
}

void MeasurementEntry::rdoInches_Click()
{
    m_resultPanel.ClearResult([this] { showUnitChosen(lblInches, lblCentimetres); });
}

void MeasurementEntry::rdoKilograms_Click()
{
    m_resultPanel.ClearResult([this] {
        // Runs cboStone_Click, which selects pounds; selecting kilograms again
        // re-enters this handler.
        cboStone->setListIndex(0);
        rdoKilograms->setValue(true);
        showUnitChosen(lblKilograms, lblPounds);
    });
}

void MeasurementEntry::rdoPounds_Click()
{
    m_resultPanel.ClearResult([this] { showUnitChosen(lblPounds, lblKilograms); });
}

// The unit label of the chosen option is bold, its partner's not. The two
// writes raise nothing, so their order does not matter.
void MeasurementEntry::showUnitChosen(Label *chosen, Label *other)
{
    chosen->setFontBold(true);
    other->setFontBold(false);
}

void MeasurementEntry::txtHght_GotFocus()
{
    m_resultPanel.ClearResult();
}

void MeasurementEntry::txtWeight_GotFocus()
{
    m_resultPanel.ClearResult();
}

// A figure worked out from what the field held before would stand beside a
// number it was not computed from.
void MeasurementEntry::txtHght_Change()
{
    m_resultPanel.ClearResult();
}

void MeasurementEntry::txtWeight_Change()
{
    m_resultPanel.ClearResult();
}

HeightUnit MeasurementEntry::heightUnit() const
{
    return rdoInches->value() ? HeightUnit::Inches : HeightUnit::Centimetres;
}

WeightUnit MeasurementEntry::weightUnit() const
{
    return rdoPounds->value() ? WeightUnit::Pounds : WeightUnit::Kilograms;
}
