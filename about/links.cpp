#include "links.h"

#include "about/formabout.h"
#include "app/formbmi.h"
#include "maker.h"
#include "opener.h"
#include "toolkit/application.h"
#include "toolkit/messagebox.h"

namespace {

const QString NoBrowser = QStringLiteral("No Browser Installed. Cannot Open Web Page.");
const QString NoMailProgram = QStringLiteral("No Default Email Program Enabled or Installed - Unable To Send Email ");

}

void openLink(const QString &link, const QString &failureMessage)
{
    openWithDesktop(link, App::Path(), [failureMessage](OpenOutcome outcome) {
        if (outcome != OpenOutcome::Opened)
            MsgBox(failureMessage);
    });
}

void FormBMI::lblUrl_Click()
{
    openLink(QStringLiteral("http://%1/").arg(QLatin1StringView(Maker::WebHost)), NoBrowser);
}

void FormAbout::lblUrl_Click()
{
    openLink(QStringLiteral("http://%1/software").arg(QLatin1StringView(Maker::WebHost)), NoBrowser);
}

void FormAbout::lblEmail_Click()
{
    openLink(QStringLiteral("mailto:%1?subject=Verided DAR Uzed").arg(QLatin1StringView(Maker::EmailAddress)),
             NoMailProgram);
}
