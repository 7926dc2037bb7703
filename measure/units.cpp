#include "app/formbmi.h"

// Choosing a unit never touches the typed number: it only says how the
// calculation reads it.

void FormBMI::rdoCentimetres_Click()
{
    ClearResult([this] {
        showUnitChosen(lblCentimetres, lblInches);
        // Selects inches, and this handler then centimetres again (the event rule, app/formbmi.h).
        cboFeet->setListIndex(0);
        rdoCentimetres->setValue(true);
    });
}

void FormBMI::rdoInches_Click()
{
    ClearResult([this] { showUnitChosen(lblInches, lblCentimetres); });
}

void FormBMI::rdoKilograms_Click()
{
    ClearResult([this] {
        // Selects pounds, and this handler then kilograms again.
        cboStone->setListIndex(0);
        rdoKilograms->setValue(true);
        showUnitChosen(lblKilograms, lblPounds);
    });
}

void FormBMI::rdoPounds_Click()
{
    ClearResult([this] { showUnitChosen(lblPounds, lblKilograms); });
}

// The unit label of the chosen option is bold, its partner's not. The two
// writes raise nothing, so their order does not matter.
void FormBMI::showUnitChosen(Label *chosen, Label *other)
{
    chosen->setFontBold(true);
    other->setFontBold(false);
}

void FormBMI::txtHght_GotFocus()
{
    ClearResult();
}

void FormBMI::txtWeight_GotFocus()
{
    ClearResult();
}

// A figure worked out from what the field held before would stand beside a
// number it was not computed from.
void FormBMI::txtHght_Change()
{
    ClearResult();
}

void FormBMI::txtWeight_Change()
{
    ClearResult();
}
