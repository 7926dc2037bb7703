#include "measuremententry.h"

#include "toolkit/form.h"

MeasurementEntry::MeasurementEntry(const Form &window, ResultPanel &resultPanel)
    : cboFeet(window.control<DropDownList>("cboFeet")),
      rdoCentimetres(window.control<OptionButton>("rdoCentimetres")),
      rdoInches(window.control<OptionButton>("rdoInches")),
      txtHght(window.control<TextBox>("txtHght")),
      lblCentimetres(window.control<Label>("lblCentimetres")),
      lblInches(window.control<Label>("lblInches")),
      cboStone(window.control<DropDownList>("cboStone")),
      rdoKilograms(window.control<OptionButton>("rdoKilograms")),
      rdoPounds(window.control<OptionButton>("rdoPounds")),
      txtWeight(window.control<TextBox>("txtWeight")),
      lblKilograms(window.control<Label>("lblKilograms")),
      lblPounds(window.control<Label>("lblPounds")),
      m_resultPanel(resultPanel)
{
}
