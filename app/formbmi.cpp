#include "formbmi.h"

#include "about/formabout.h"
#include "about/links.h"
#include "toolkit/access/accessibility.h"

#include <QAction>

#include <functional>

FormBMI::FormBMI(QWidget *parent)
    : Form(Layout, parent)
{
    // What the window is for, said as it opens: the line beside the banner.
    setAccessibleDescription(control<Label>("lblDescription")->caption());
    bindEvents();
}

// Each event to its handler, on the window or on the part that owns it.
void FormBMI::bindEvents()
{
    using std::bind_front;
    MeasurementEntry *const entry = &m_entry;
    connect(this, &Form::Load, this, &FormBMI::Form_Load);
    connect(btnCalculate, &CommandButton::Click, this, bind_front(&Calculate::btnCalculate_Click, &m_calculate));
    connect(btnReset, &CommandButton::Click, this, bind_front(&Reset::btnReset_Click, &m_reset));
    connect(entry->cboFeet, &DropDownList::Click, this, bind_front(&MeasurementEntry::cboFeet_Click, entry));
    connect(entry->cboFeet, &DropDownList::GotFocus, this, bind_front(&MeasurementEntry::cboFeet_GotFocus, entry));
    connect(entry->cboStone, &DropDownList::Click, this, bind_front(&MeasurementEntry::cboStone_Click, entry));
    connect(entry->cboStone, &DropDownList::GotFocus, this, bind_front(&MeasurementEntry::cboStone_GotFocus, entry));
    connect(entry->rdoCentimetres, &OptionButton::Click, this, bind_front(&MeasurementEntry::rdoCentimetres_Click, entry));
    connect(entry->rdoInches, &OptionButton::Click, this, bind_front(&MeasurementEntry::rdoInches_Click, entry));
    connect(entry->rdoKilograms, &OptionButton::Click, this, bind_front(&MeasurementEntry::rdoKilograms_Click, entry));
    connect(entry->rdoPounds, &OptionButton::Click, this, bind_front(&MeasurementEntry::rdoPounds_Click, entry));
    connect(entry->txtHght, &TextBox::GotFocus, this, bind_front(&MeasurementEntry::txtHght_GotFocus, entry));
    connect(entry->txtWeight, &TextBox::GotFocus, this, bind_front(&MeasurementEntry::txtWeight_GotFocus, entry));
    connect(entry->txtHght, &TextBox::Change, this, bind_front(&MeasurementEntry::txtHght_Change, entry));
    connect(entry->txtWeight, &TextBox::Change, this, bind_front(&MeasurementEntry::txtWeight_Change, entry));
    connect(lblUrl, &Label::Click, this, &FormBMI::lblUrl_Click);
    connect(mnuFileExit, &QAction::triggered, this, &FormBMI::mnuFileExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &FormBMI::mnuAbout_Click);
}

void FormBMI::Form_Load()
{
    m_entry.fillHeightList();
    m_entry.fillWeightList();
}

void FormBMI::lblUrl_Click()
{
    openWebPage(lblUrl, QStringLiteral("/"));
}

void FormBMI::mnuFileExit_Click()
{
    Unload();
}

void FormBMI::mnuAbout_Click()
{
    afterMenuCloses(this, [this] {
        if (!m_aboutWindow)
            m_aboutWindow = new FormAbout(*this);
        m_aboutWindow->Show();
    });
}
