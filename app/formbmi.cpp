#include "formbmi.h"

#include "about/formabout.h"

#include <QAction>

FormBMI::FormBMI(QWidget *parent)
    : Form(Layout, parent)
{
    bindEvents();
}

void FormBMI::bindEvents()
{
    connect(this, &Form::Load, this, &FormBMI::Form_Load);
    connect(btnCalculate, &CommandButton::Click, this, &FormBMI::btnCalculate_Click);
    connect(btnReset, &CommandButton::Click, this, &FormBMI::btnReset_Click);
    connect(cboFeet, &DropDownList::Click, this, &FormBMI::cboFeet_Click);
    connect(cboFeet, &DropDownList::GotFocus, this, &FormBMI::cboFeet_GotFocus);
    connect(cboStone, &DropDownList::Click, this, &FormBMI::cboStone_Click);
    connect(cboStone, &DropDownList::GotFocus, this, &FormBMI::cboStone_GotFocus);
    connect(rdoCentimetres, &OptionButton::Click, this, &FormBMI::rdoCentimetres_Click);
    connect(rdoInches, &OptionButton::Click, this, &FormBMI::rdoInches_Click);
    connect(rdoKilograms, &OptionButton::Click, this, &FormBMI::rdoKilograms_Click);
    connect(rdoPounds, &OptionButton::Click, this, &FormBMI::rdoPounds_Click);
    connect(txtHght, &TextBox::GotFocus, this, &FormBMI::txtHght_GotFocus);
    connect(txtWeight, &TextBox::GotFocus, this, &FormBMI::txtWeight_GotFocus);
    connect(txtHght, &TextBox::Change, this, &FormBMI::txtHght_Change);
    connect(txtWeight, &TextBox::Change, this, &FormBMI::txtWeight_Change);
    connect(lblUrl, &Label::Click, this, &FormBMI::lblUrl_Click);
    connect(mnuFileExit, &QAction::triggered, this, &FormBMI::mnuFileExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &FormBMI::mnuAbout_Click);
}

void FormBMI::Form_Load()
{
    fillHeightList();
    fillWeightList();
}

void FormBMI::mnuFileExit_Click()
{
    Unload();
}

void FormBMI::mnuAbout_Click()
{
    if (!m_aboutWindow)
        m_aboutWindow = new FormAbout(*this);
    m_aboutWindow->Show();
}
