#include "display.h"

#include "toolkit/access/readerkeys.h"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

// Qt and the display libraries it loads write their own account of a failed
// connection to stderr, several lines and none of them the user's answer; it
// is held aside while the display is opened, and shown only if that works.
class HeldStderr
{
public:
    HeldStderr()
        : m_held(std::tmpfile()), m_stderr(dup(STDERR_FILENO))
    {
        if (m_held && m_stderr >= 0)
            dup2(fileno(m_held), STDERR_FILENO);
    }
    ~HeldStderr()
    {
        release();
    }
    HeldStderr(const HeldStderr &) = delete;
    HeldStderr &operator=(const HeldStderr &) = delete;

    // Puts stderr back, dropping what was held or writing it out.
    void release(bool show = true)
    {
        if (m_stderr < 0)
            return;
        std::fflush(stderr);
        dup2(m_stderr, STDERR_FILENO);
        close(std::exchange(m_stderr, -1));
        if (!m_held)
            return;
        if (show) {
            std::rewind(m_held);
            char buffer[4096];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_held)) > 0;)
                std::fwrite(buffer, 1, n, stderr);
        }
        std::fclose(std::exchange(m_held, nullptr));
    }

private:
    std::FILE *m_held;
    int m_stderr;
};

HeldStderr *held = nullptr;
QtMessageHandler qtHandler = nullptr;

QString described(const char *variable)
{
    const QByteArray value = qgetenv(variable);
    return value.isEmpty() ? QStringLiteral("%1 is not set").arg(QLatin1StringView(variable))
                           : QStringLiteral("%1 is %2").arg(QLatin1StringView(variable), QString::fromLocal8Bit(value));
}

// A fatal message while the application is being made can only be that no
// display, nor any other platform, could be opened.
void handleOpeningMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg)
        return qtHandler(type, context, message);
    held->release(false);
    std::fprintf(stderr, "verided-dar-uzed: cannot open a display (%s, %s)\n", qPrintable(described("DISPLAY")),
                 qPrintable(described("WAYLAND_DISPLAY")));
    std::fflush(stderr);
    std::_Exit(1);
}

// Qt 6 draws widgets only in part at a scale below 1, and never picks one
// itself for that reason; a scale asked for by QT_SCALE_FACTOR is shown at 1.
void refuseScaleBelowOne()
{
    bool isNumber = false;
    const double asked = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&isNumber);
    if (!isNumber || asked >= 1)
        return;
    std::fprintf(stderr, "verided-dar-uzed: scales below 1 are not supported (QT_SCALE_FACTOR is %s); showing the "
                         "window at scale 1\n", qgetenv("QT_SCALE_FACTOR").constData());
    qputenv("QT_SCALE_FACTOR", "1");
}

}

std::unique_ptr<QApplication> openDisplay(int &argc, char *argv[])
{
    refuseScaleBelowOne();
    HeldStderr stderrHeld;
    held = &stderrHeld;
    qtHandler = qInstallMessageHandler(handleOpeningMessage);
    auto application = std::make_unique<ReaderAwareApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    held = nullptr;
    return application;
}
