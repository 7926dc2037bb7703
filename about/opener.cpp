#include "opener.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTimerEvent>

#include <chrono>

#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

using namespace std::chrono_literals;

// The opener's own failure comes within a few seconds even on a busy
// machine (xdg-open with no browser: 0.6 s idle, under 2 s with both cores
// busy). One still running after this long has handed the link to a browser
// that it keeps in its foreground for as long as the browser runs: the link
// counts as opened, and what the browser returns at last is no failure of it.
constexpr auto OpenerBound = 15s;
constexpr auto PollInterval = 10ms;
constexpr auto ReapInterval = 500ms;

// Watches an opener from the event loop: reports its outcome once, and reaps
// it whenever it ends, so that it never lingers as a zombie. Not a QProcess:
// a QProcess kills the process it runs when it is destroyed, and a browser
// that stays in the opener's foreground would go down with the program.
class OpenerWatch : public QObject
{
public:
    OpenerWatch(pid_t pid, std::function<void(OpenOutcome)> done)
        : QObject(qApp), m_pid(pid), m_done(std::move(done)), m_bound(OpenerBound)
    {
        m_timer = startTimer(PollInterval);
    }

protected:
    void timerEvent(QTimerEvent *) override
    {
        int status = 0;
        const pid_t ended = waitpid(m_pid, &status, WNOHANG);
        if (ended != 0) {
            killTimer(m_timer);
            deleteLater();
            const bool succeeded = ended == m_pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
            report(succeeded ? OpenOutcome::Opened : OpenOutcome::Failed);
        } else if (m_done && m_bound.hasExpired()) {
            killTimer(m_timer);
            m_timer = startTimer(ReapInterval);
            report(OpenOutcome::Opened);
        }
    }

private:
    // The report may open a message box, whose nested event loop runs this
    // watch's timer again; clearing `m_done` before the call makes the report
    // safe against that re-entrancy, so it is made once.
    void report(OpenOutcome outcome)
    {
        if (auto done = std::exchange(m_done, nullptr))
            done(outcome);
    }

    pid_t m_pid;
    std::function<void(OpenOutcome)> m_done;
    QDeadlineTimer m_bound;
    int m_timer = 0;
};

pid_t spawnOpener(const QByteArray &opener, const QByteArray &link, const QByteArray &folder)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
    char *const argv[] = {const_cast<char *>(opener.constData()), const_cast<char *>(link.constData()), nullptr};
    pid_t pid = 0;
    const int error = posix_spawn(&pid, opener.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

}

void openWithDesktop(const QString &link, const QString &folder, std::function<void(OpenOutcome)> done)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    const pid_t pid = opener.isEmpty() ? -1 : spawnOpener(QFile::encodeName(opener), link.toLocal8Bit(), QFile::encodeName(folder));
    if (pid < 0)
        return done(OpenOutcome::NoOpener);
    new OpenerWatch(pid, std::move(done));
}
