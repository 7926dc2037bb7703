#include "links.h"

#include "about/formabout.h"
#include "app/formbmi.h"
#include "maker.h"
#include "toolkit/application.h"
#include "toolkit/messagebox.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>

#include <chrono>
#include <thread>

#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

using namespace std::chrono_literals;

// A browser may stay in the foreground of the opener for as long as it runs;
// after this long the link counts as opened and the window goes on.
constexpr auto OpenerBound = 1500ms;
constexpr auto PollInterval = 10ms;
constexpr int Opened = 42;           // any result above 32
constexpr int FileNotFound = 2;      // the opener is not installed
constexpr int NoAssociation = 31;    // the opener found nothing to open the link with

const QString NoBrowser = QStringLiteral("No Browser Installed. Cannot Open Web Page.");
const QString NoMailProgram = QStringLiteral("No Default Email Program Enabled or Installed - Unable To Send Email ");

// Reaps an opener that outlived the bound once it ends, so it never lingers as a zombie.
void reapLater(pid_t pid)
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, pid] {
        if (waitpid(pid, nullptr, WNOHANG) != 0)
            timer->deleteLater();
    });
    timer->start(500);
}

pid_t spawnOpener(const QByteArray &opener, const char *link, const char *directory)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (directory)
        posix_spawn_file_actions_addchdir_np(&actions, directory);
    char *const argv[] = {const_cast<char *>(opener.constData()), const_cast<char *>(link), nullptr};
    pid_t pid = 0;
    const int error = posix_spawn(&pid, opener.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

}

int ShellExecuteA(WId, const char *, const char *file, const char *, const char *directory, int)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return FileNotFound;
    const pid_t pid = spawnOpener(QFile::encodeName(opener), file, directory);
    if (pid < 0)
        return FileNotFound;
    for (auto waited = 0ms; waited < OpenerBound; waited += PollInterval) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Opened : NoAssociation;
        std::this_thread::sleep_for(PollInterval);
    }
    reapLater(pid);
    return Opened;
}

void openLink(const QWidget &window, const QString &link, const QString &failureMessage)
{
    const WId owner = window.winId();
    const QString folder = App::Path();
    const QByteArray directory = folder.toLocal8Bit();
    const QByteArray file = link.toLocal8Bit();
    const QByteArray operation = QByteArrayLiteral("Open");
    const int result = ShellExecuteA(owner, operation.constData(), file.constData(), nullptr,
                                     directory.constData(), SW_SHOWNORMAL);
    if (result <= 32)
        MsgBox(failureMessage);
}

void FormBMI::lblUrl_Click()
{
    openLink(*this, QStringLiteral("http://%1/").arg(QLatin1StringView(Maker::WebHost)), NoBrowser);
}

void FormAbout::lblUrl_Click()
{
    openLink(*this, QStringLiteral("http://%1/software").arg(QLatin1StringView(Maker::WebHost)), NoBrowser);
}

void FormAbout::lblEmail_Click()
{
    openLink(*this, QStringLiteral("mailto:%1?subject=Verided DAR Uzed").arg(QLatin1StringView(Maker::EmailAddress)),
             NoMailProgram);
}
