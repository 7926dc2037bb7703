#pragma once

#include "bmi/calculate.h"
#include "bmi/reset.h"
#include "bmi/resultpanel.h"
#include "measure/measuremententry.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

#include <QPointer>

class FormAbout;

// The main window, where all the work is done. Its controls are the program's
// whole state; each handler reads and writes them directly. The handlers of
// the measurement groups, the result panel, CALCULATE and Reset live with
// their parts.
//
// The event rule the handlers lean on:
// - An assignment that changes a selection runs that control's Click inside
//   itself, before it returns: OptionButton::setValue(true) on an option not
//   selected, DropDownList::setListIndex() with another index. A handler that
//   makes one runs another handler between two of its own steps, and the
//   order of its writes decides what the window ends in.
// - An assignment that changes nothing runs nothing, nor does setValue(false).
//   That ends the recursion: rdoCentimetres_Click puts the height list back on
//   its header, which runs cboFeet_Click, which selects inches and so runs
//   rdoInches_Click; then it selects centimetres again, which runs
//   rdoCentimetres_Click once more, where both assignments change nothing.
// - The user's pick in a list runs its Click once, the shown entry included;
//   the user's choice of an option runs its Click when it becomes selected.
// - Handlers run one at a time, on the user-interface thread.
// tst_toolkit's clickRunsInsideAssignment pins the rule; tst_measure pins
// what the handlers make of it.
class FormBMI : public Form
{
    Q_OBJECT

public:
    static const FormDef Layout;

    explicit FormBMI(QWidget *parent = nullptr);

private:
    void bindEvents();

    // app/formbmi.cpp: start-up and menus
    void Form_Load();
    void mnuFileExit_Click();
    void mnuAbout_Click();

    void lblUrl_Click();

    ResultPanel m_resultPanel{*this};
    MeasurementEntry m_entry{*this, m_resultPanel};
    Calculate m_calculate{m_entry, m_resultPanel};
    Reset m_reset{m_entry, m_resultPanel};

    CommandButton *const btnReset = control<CommandButton>("btnReset");
    CommandButton *const btnCalculate = control<CommandButton>("btnCalculate");
    Label *const lblUrl = control<Label>("lblUrl");
    QAction *const mnuFileExit = menuItem("mnuFileExit");
    QAction *const mnuAbout = menuItem("mnuAbout");

    QPointer<FormAbout> m_aboutWindow;
};
