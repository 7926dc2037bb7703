#include "app/formbmi.h"

// Writes the start state back in a fixed order. Some writes run handlers on
// the way (the event rule, app/formbmi.h), which write only values that the
// sequence itself sets.
void FormBMI::btnReset_Click()
{
    lblResult->setCaption(QString());
    txtHght->setText(QString());
    txtWeight->setText(QString());
    cboStone->setListIndex(0);
    cboFeet->setListIndex(0);
    rdoCentimetres->setValue(false);
    rdoKilograms->setValue(false);
    rdoInches->setValue(true);
    rdoPounds->setValue(true);
    showUnitChosen(lblInches, lblCentimetres);
    showUnitChosen(lblPounds, lblKilograms);
    ResetStatusColours();
    AnnounceReset();
}
