#pragma once

#include "toolkit/controls.h"
#include "toolkit/form.h"

#include <QPointer>

#include <array>
#include <functional>

class FormAbout;

// The main window, where all the work is done. Its controls are the program's
// whole state; each handler reads and writes them directly.
//
// The event rule the handlers lean on:
// - An assignment that changes a selection runs that control's Click inside
//   itself, before it returns: OptionButton::setValue(true) on an option not
//   selected, DropDownList::setListIndex() with another index. A handler that
//   makes one runs another handler between two of its own steps, and the
//   order of its writes decides what the window ends in.
// - An assignment that changes nothing runs nothing, nor does setValue(false).
//   That ends the nesting: rdoCentimetres_Click puts the height list back on
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

    // app/: start-up and menus
    void Form_Load();
    void mnuFileExit_Click();
    void mnuAbout_Click();

    // measure/: pick lists
    void fillHeightList();
    void fillWeightList();
    void cboFeet_Click();
    void cboFeet_GotFocus();
    void cboStone_Click();
    void cboStone_GotFocus();

    // measure/: unit choice and typed entry
    void rdoCentimetres_Click();
    void rdoInches_Click();
    void rdoKilograms_Click();
    void rdoPounds_Click();
    void txtHght_GotFocus();
    void txtWeight_GotFocus();
    void txtHght_Change();
    void txtWeight_Change();
    void showUnitChosen(Label *chosen, Label *other);

    // bmi/: result panel, calculation and Reset
    void ClearResult(const std::function<void()> &between = nullptr);
    void ResetStatusColours();
    void HighlightStatus(Label *line);
    void ShowWeightStatus();
    void AnnounceResult();
    void AnnounceReset();
    QString resultSentence() const;
    void btnCalculate_Click();
    void refuseInput(const QString &message);
    void btnReset_Click();

    // about/
    void lblUrl_Click();

    DropDownList *const cboFeet = control<DropDownList>("cboFeet");
    OptionButton *const rdoCentimetres = control<OptionButton>("rdoCentimetres");
    OptionButton *const rdoInches = control<OptionButton>("rdoInches");
    TextBox *const txtHght = control<TextBox>("txtHght");
    Label *const lblCentimetres = control<Label>("lblCentimetres");
    Label *const lblInches = control<Label>("lblInches");

    DropDownList *const cboStone = control<DropDownList>("cboStone");
    OptionButton *const rdoKilograms = control<OptionButton>("rdoKilograms");
    OptionButton *const rdoPounds = control<OptionButton>("rdoPounds");
    TextBox *const txtWeight = control<TextBox>("txtWeight");
    Label *const lblKilograms = control<Label>("lblKilograms");
    Label *const lblPounds = control<Label>("lblPounds");

    CommandButton *const btnReset = control<CommandButton>("btnReset");
    CommandButton *const btnCalculate = control<CommandButton>("btnCalculate");
    Label *const lblResult = control<Label>("lblResult");
    Label *const lblBMIlabel = control<Label>("lblBMIlabel");
    StatusLine *const m_resultStatus = new StatusLine(centralWidget(), [this] { return resultSentence(); });

    Label *const lblUrl = control<Label>("lblUrl");
    Label *const lblStatus1 = control<Label>("lblStatus1");
    Label *const lblStatus2 = control<Label>("lblStatus2");
    Label *const lblStatus3 = control<Label>("lblStatus3");
    Label *const lblStatus4 = control<Label>("lblStatus4");
    const std::array<Label *, 4> m_statusLines{lblStatus1, lblStatus2, lblStatus3, lblStatus4};

    QAction *const mnuFileExit = menuItem("mnuFileExit");
    QAction *const mnuAbout = menuItem("mnuAbout");

    QPointer<FormAbout> m_aboutWindow;
};
