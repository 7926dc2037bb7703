#include "app/formbmi.h"

// Choosing a unit never touches the typed number: it only says how the
// calculation reads it.

void FormBMI::rdoCentimetres_Click()
{
    lblResult->setCaption(QString());
    lblCentimetres->setFontBold(true);
    lblInches->setFontBold(false);
    // Selects inches, and this handler then centimetres again (the event rule, app/formbmi.h).
    cboFeet->setListIndex(0);
    rdoCentimetres->setValue(true);
    ResetStatusColours();
}

void FormBMI::rdoInches_Click()
{
    lblResult->setCaption(QString());
    lblInches->setFontBold(true);
    lblCentimetres->setFontBold(false);
    ResetStatusColours();
}

void FormBMI::rdoKilograms_Click()
{
    lblResult->setCaption(QString());
    cboStone->setListIndex(0);
    rdoKilograms->setValue(true);
    lblKilograms->setFontBold(true);
    lblPounds->setFontBold(false);
    ResetStatusColours();
}

void FormBMI::rdoPounds_Click()
{
    lblResult->setCaption(QString());
    lblKilograms->setFontBold(false);
    lblPounds->setFontBold(true);
    ResetStatusColours();
}

void FormBMI::txtHght_GotFocus()
{
    ClearResult();
}

void FormBMI::txtWeight_GotFocus()
{
    ClearResult();
}
