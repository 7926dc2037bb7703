#include "links.h"

#include "about/formabout.h"
#include "app/formbmi.h"
#include "app/messages.h"
#include "maker.h"
#include "opener.h"
#include "toolkit/application.h"
#include "toolkit/messagebox.h"

void openLink(const QString &link, const QString &failureMessage)
{
    openWithDesktop(link, App::Path(), [failureMessage](OpenOutcome outcome) {
        if (outcome != OpenOutcome::Opened)
            MsgBox(failureMessage);
    });
}

void FormBMI::lblUrl_Click()
{
    openLink(QStringLiteral("http://%1/").arg(QLatin1StringView(Maker::WebHost)), Messages::NoBrowser);
}

void FormAbout::lblUrl_Click()
{
    openLink(QStringLiteral("http://%1/software").arg(QLatin1StringView(Maker::WebHost)), Messages::NoBrowser);
}

void FormAbout::lblEmail_Click()
{
    openLink(QStringLiteral("mailto:%1?subject=Verided DAR Uzed").arg(QLatin1StringView(Maker::EmailAddress)),
             Messages::NoMailProgram);
}
