// How soon a running program answers real input on screen. XTest clicks
// CALCULATE, or types a key into the weight field, and the time runs until
// the X server reports damage to the window over what the answer paints: the
// result box and the Normal line, or the field. Each click is preceded by a
// click into the field, which clears the result again. On an X server with no
// window manager:
//   latency-bench EVENTS TITLE=PROGRAM...
#include "layout_rects.h"

#include <QProcess>
#include <QString>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>
#include <vector>

#include <sys/select.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A text cursor blinking in the field damages a strip this narrow, which is no answer.
constexpr int CursorWidth = 3;

class XSession
{
public:
    XSession()
        : m_display(XOpenDisplay(nullptr))
    {
        int error = 0;
        if (!m_display || !XDamageQueryExtension(m_display, &m_damageEvent, &error))
            qFatal("latency-bench needs an X server with the DAMAGE extension");
    }
    ~XSession() { XCloseDisplay(m_display); }

    // The mapped top-level window of this title, once it is there.
    Window waitForWindow(const QByteArray &title)
    {
        for (auto end = Clock::now() + 20s; Clock::now() < end; std::this_thread::sleep_for(20ms)) {
            Window root = 0, parent = 0, *children = nullptr;
            unsigned count = 0;
            XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count);
            std::optional<Window> found;
            for (unsigned i = 0; i < count && !found; ++i) {
                char *name = nullptr;
                XWindowAttributes attributes;
                if (XFetchName(m_display, children[i], &name) && title == name
                    && XGetWindowAttributes(m_display, children[i], &attributes) && attributes.map_state == IsViewable)
                    found = children[i];
                XFree(name);
            }
            XFree(children);
            if (found)
                return *found;
        }
        qFatal("no window titled %s", title.constData());
    }

    // Reports the window's damage from now on, and learns where its client
    // area lies: below the menu bar, at the bottom of the window.
    void watch(Window window)
    {
        XDamageCreate(m_display, window, XDamageReportRawRectangles);
        Window root = 0, child = 0;
        int x = 0, y = 0;
        unsigned width = 0, height = 0, border = 0, depth = 0;
        XGetGeometry(m_display, window, &root, &x, &y, &width, &height, &border, &depth);
        XTranslateCoordinates(m_display, window, root, 0, 0, &x, &y, &child);
        m_menuBar = int(height) - FormBMI::Layout.client.toPixels().height();
        m_client = QPoint(x, y + m_menuBar);
    }

    // A control's rect in the window's own coordinates, in which damage is reported.
    QRect inWindow(const QRect &control) const { return control.translated(0, m_menuBar); }

    void click(const QRect &control)
    {
        const QPoint at = m_client + control.center();
        XTestFakeMotionEvent(m_display, -1, at.x(), at.y(), CurrentTime);
        XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
        XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
        XFlush(m_display);
    }

    void key(KeySym symbol)
    {
        const KeyCode code = XKeysymToKeycode(m_display, symbol);
        XTestFakeKeyEvent(m_display, code, True, CurrentTime);
        XTestFakeKeyEvent(m_display, code, False, CurrentTime);
        XFlush(m_display);
    }

    // Milliseconds until damage has covered every rect of `targets`, each by a
    // rect wider than a cursor; nothing if it has not within a second.
    std::optional<double> untilPainted(Clock::time_point from, std::vector<QRect> targets)
    {
        const auto end = from + 1s;
        while (!targets.empty()) {
            const std::optional<QRect> damaged = nextDamage(end);
            if (!damaged)
                return std::nullopt;
            if (damaged->width() > CursorWidth)
                std::erase_if(targets, [&](const QRect &target) { return damaged->intersects(target); });
        }
        return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
    }

    // Waits until the window has painted nothing for a while.
    void settle()
    {
        while (nextDamage(Clock::now() + 60ms)) {
        }
    }

private:
    std::optional<QRect> nextDamage(Clock::time_point until)
    {
        while (true) {
            while (XPending(m_display)) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == m_damageEvent + XDamageNotify) {
                    const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
                    return QRect(damage.area.x, damage.area.y, damage.area.width, damage.area.height);
                }
            }
            const auto left = until - Clock::now();
            if (left <= 0s)
                return std::nullopt;
            fd_set connection;
            FD_ZERO(&connection);
            FD_SET(ConnectionNumber(m_display), &connection);
            timeval wait{0, suseconds_t(std::chrono::duration_cast<std::chrono::microseconds>(left).count())};
            select(ConnectionNumber(m_display) + 1, &connection, nullptr, nullptr, &wait);
        }
    }

    Display *m_display;
    int m_damageEvent = 0;
    int m_menuBar = 0;
    QPoint m_client;
};

struct Timings {
    std::vector<double> clicks;
    std::vector<double> keys;
    int missed = 0;
};

Timings measure(XSession &screen, const QString &program, const QByteArray &title, int events)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, {});
    process.waitForStarted();
    screen.watch(screen.waitForWindow(title));
    std::this_thread::sleep_for(500ms);
    screen.settle();

    const QRect height = controlRect("txtHght"), weight = controlRect("txtWeight"), calculate = controlRect("btnCalculate");
    const std::vector<QRect> answer{screen.inWindow(controlRect("lblResult")), screen.inWindow(controlRect("lblStatus2"))};

    // Numbers to calculate with: 5 ft 7 in and 11 stone, a BMI of 24.1, Normal.
    for (const auto &[field, digits] : {std::pair(height, "67"), std::pair(weight, "154")}) {
        screen.click(field);
        for (const char *digit = digits; *digit; ++digit)
            screen.key(XK_0 + (*digit - '0'));
    }
    screen.settle();

    Timings timings;
    // Times one input to the painting of `shown`, then lets the window settle.
    const auto time = [&](const auto &input, const std::vector<QRect> &shown, std::vector<double> &into) {
        const auto pressed = Clock::now();
        input();
        if (const std::optional<double> ms = screen.untilPainted(pressed, shown))
            into.push_back(*ms);
        else
            ++timings.missed;
        screen.settle();
    };
    for (int i = 0; i < events; ++i) {
        screen.click(weight);  // entering the field clears the result
        screen.settle();
        time([&] { screen.click(calculate); }, answer, timings.clicks);
    }
    screen.click(weight);
    screen.settle();
    const std::vector<QRect> echo{screen.inWindow(weight)};
    for (int i = 0; i < events; ++i) {
        time([&] { screen.key(XK_0); }, echo, timings.keys);
        screen.key(XK_BackSpace);
        screen.settle();
    }
    process.kill();
    process.waitForFinished();
    return timings;
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::ranges::sort(values);
    return values[std::min(values.size() - 1, std::size_t(fraction * double(values.size())))];
}

}

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: latency-bench EVENTS TITLE=PROGRAM...\n");
        return 2;
    }
    const int events = QByteArray(argv[1]).toInt();
    XSession screen;
    std::vector<std::pair<QByteArray, Timings>> results;
    for (int i = 2; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        const qsizetype split = argument.indexOf('=');
        const QByteArray title = argument.left(split), program = argument.mid(split + 1);
        results.emplace_back(title, measure(screen, QString::fromLocal8Bit(program), title, events));
    }
    std::printf("%-22s %10s %10s %10s %10s %8s\n", "window", "click p50", "click p95", "key p50", "key p95", "missed");
    for (const auto &[title, t] : results)
        std::printf("%-22s %8.2fms %8.2fms %8.2fms %8.2fms %8d\n", title.constData(), percentile(t.clicks, 0.5),
                    percentile(t.clicks, 0.95), percentile(t.keys, 0.5), percentile(t.keys, 0.95), t.missed);
    const Timings &first = results.front().second;
    for (const auto &[title, t] : results)
        if (&t != &first)
            std::printf("%s / %s at the 95th percentile: %.2fx for a click, %.2fx for a key\n",
                        results.front().first.constData(), title.constData(),
                        percentile(first.clicks, 0.95) / percentile(t.clicks, 0.95),
                        percentile(first.keys, 0.95) / percentile(t.keys, 0.95));
    return 0;
}
