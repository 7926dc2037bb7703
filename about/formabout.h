#pragma once

#include "toolkit/controls.h"
#include "toolkit/form.h"

#include <QPointer>

// The About window: name, version, copyright, terms, and the maker's links.
// While it is open the main window takes no input.
class FormAbout : public Form
{
    Q_OBJECT

public:
    static const FormDef Layout;

    explicit FormAbout(Form &owner);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void cmdOk_Click();
    void lblUrl_Click();
    void lblEmail_Click();

    // Not owned: either window may be closed first.
    QPointer<Form> m_mainWindow;
    CommandButton *const cmdOk = control<CommandButton>("cmdOk");
    Label *const lblUrl = control<Label>("lblUrl");
    Label *const lblEmail = control<Label>("lblEmail");
};
