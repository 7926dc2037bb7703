#include "links.h"

#include "formabout.h"
#include "maker.h"
#include "opener.h"
#include "toolkit/application.h"
#include "toolkit/messagebox.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QTimer>

#include <chrono>

namespace {

using namespace std::chrono_literals;

// When the desktop cannot open a link; the message box bears the program's title.
const QString NoBrowser = QStringLiteral("No Browser Installed. Cannot Open Web Page.");
const QString NoMailProgram = QStringLiteral("No Default Email Program Enabled or Installed - Unable To Send Email ");

// A screen reader may activate a link two or three times for one command: it
// clicks, and presses too where it finds the click did not land.
constexpr auto RepeatWindow = 1s;
// A screen reader that clicks a link hears of its own click a little after
// the program has. A message shown at once can be the active window by then,
// and the reader takes it for the window its click went to: it says the
// message's button, and not the message. The desktop's own opener takes
// longer than this to fail.
constexpr auto ReaderClickHeard = 500ms;

struct Activation
{
    QDeadlineTimer repeats{RepeatWindow};
    bool watched = true;  // until the opener has ended and its message is closed
};

// The last activation of each link control, for as long as the control lives.
QHash<const QObject *, Activation> &activations()
{
    static QHash<const QObject *, Activation> links;
    return links;
}

bool isRepeat(const QObject *control)
{
    const auto last = activations().constFind(control);
    return last != activations().cend() && (last->watched || !last->repeats.hasExpired());
}

void remember(const QObject *control)
{
    if (!activations().contains(control))
        QObject::connect(control, &QObject::destroyed, [control] { activations().remove(control); });
    activations().insert(control, Activation());
}

void endWatch(const QObject *control)
{
    if (const auto last = activations().find(control); last != activations().end())
        last->watched = false;
}

}

void openLink(const QObject *control, const QString &link, const QString &failureMessage)
{
    if (isRepeat(control))
        return;
    remember(control);
    const QDeadlineTimer clickHeard(ReaderClickHeard);
    openWithDesktop(link, App::Path(), [control, failureMessage, clickHeard](OpenOutcome outcome) {
        if (outcome == OpenOutcome::Opened)
            return endWatch(control);
        // The link's window may have closed meanwhile; the message is the program's.
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(clickHeard.remainingTimeAsDuration());
        QTimer::singleShot(wait, qApp, [control, failureMessage] {
            MsgBox(failureMessage);
            endWatch(control);
        });
    });
}

void openWebPage(const QObject *control, const QString &page)
{
    openLink(control, QStringLiteral("http://%1%2").arg(QLatin1StringView(Maker::WebHost), page), NoBrowser);
}

void FormAbout::lblUrl_Click()
{
    openWebPage(lblUrl, QStringLiteral("/software"));
}

void FormAbout::lblEmail_Click()
{
    openLink(lblEmail, QStringLiteral("mailto:%1?subject=Verided DAR Uzed").arg(QLatin1StringView(Maker::EmailAddress)),
             NoMailProgram);
}
