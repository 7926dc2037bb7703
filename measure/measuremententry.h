#pragma once

#include "bmi/calculation.h"
#include "toolkit/controls.h"

class Form;
class ResultPanel;

// The height and the weight group of the main window: the typed fields, the
// unit options with their labels, and the pick lists. Its handlers keep them
// consistent with one another and clear the result that no longer matches.
class MeasurementEntry
{
public:
    MeasurementEntry(const Form &window, ResultPanel &resultPanel);
    MeasurementEntry(const MeasurementEntry &) = delete;
    MeasurementEntry &operator=(const MeasurementEntry &) = delete;

    // measure/picklists.cpp
    void fillHeightList();
    void fillWeightList();
    void cboFeet_Click();
    void cboFeet_GotFocus();
    void cboStone_Click();
    void cboStone_GotFocus();

    // measure/units.cpp
    void rdoCentimetres_Click();
    void rdoInches_Click();
    void rdoKilograms_Click();
    void rdoPounds_Click();
    void txtHght_GotFocus();
    void txtWeight_GotFocus();
    void txtHght_Change();
    void txtWeight_Change();
    void showUnitChosen(Label *chosen, Label *other);

    HeightUnit heightUnit() const;
    WeightUnit weightUnit() const;

    DropDownList *const cboFeet;
    OptionButton *const rdoCentimetres;
    OptionButton *const rdoInches;
    TextBox *const txtHght;
    Label *const lblCentimetres;
    Label *const lblInches;

    DropDownList *const cboStone;
    OptionButton *const rdoKilograms;
    OptionButton *const rdoPounds;
    TextBox *const txtWeight;
    Label *const lblKilograms;
    Label *const lblPounds;

private:
    ResultPanel &m_resultPanel;
};
