// Starts programs in turn on an X server with no window manager and measures,
// for each, the time from process start to its first painted window (the
// centre of the screen no longer bare) and its peak resident memory.
//   startup-bench ROUNDS NAME=PROGRAM...
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    double peakMiB;
};

bool screenCentreShown(QScreen *screen)
{
    const QPoint centre = screen->geometry().center();
    const QImage spot = screen->grabWindow(0, centre.x() - 8, centre.y() - 8, 16, 16).toImage();
    for (int y = 0; y < spot.height(); ++y)
        for (int x = 0; x < spot.width(); ++x)
            if (spot.pixel(x, y) & 0xFFFFFF)
                return true;
    return false;
}

double peakResidentMiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

Run measure(QScreen *screen, const QString &program)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    process.waitForStarted();
    while (!screenCentreShown(screen) && clock.elapsed() < 20000)
        QThread::usleep(500);
    const double shown = double(clock.nsecsElapsed()) / 1e6;
    QThread::msleep(500);
    const double peak = peakResidentMiB(process.processId());
    process.kill();
    process.waitForFinished();
    while (screenCentreShown(screen))
        QThread::msleep(5);
    return {shown, peak};
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup-bench ROUNDS NAME=PROGRAM...\n");
        return 2;
    }
    const int rounds = QByteArray(argv[1]).toInt();
    std::vector<std::pair<QString, QString>> programs;
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        programs.emplace_back(arg.section(u'=', 0, 0), arg.section(u'=', 1));
    }
    QScreen *screen = QGuiApplication::primaryScreen();
    for (const auto &[name, program] : programs)
        measure(screen, program);  // warm-up: libraries and fonts into the page cache
    std::map<QString, std::vector<Run>> runs;
    for (int round = 0; round < rounds; ++round)
        for (const auto &[name, program] : programs)
            runs[name].push_back(measure(screen, program));

    std::printf("%-12s %10s %10s %10s %14s\n", "program", "median ms", "min ms", "max ms", "peak RSS MiB");
    std::map<QString, std::pair<double, double>> medians;
    for (const auto &[name, program] : programs) {
        std::vector<double> times, peaks;
        for (const Run &run : runs[name]) {
            times.push_back(run.milliseconds);
            peaks.push_back(run.peakMiB);
        }
        medians[name] = {median(times), median(peaks)};
        std::printf("%-12s %10.1f %10.1f %10.1f %14.1f\n", qPrintable(name), medians[name].first,
                    *std::ranges::min_element(times), *std::ranges::max_element(times), medians[name].second);
    }
    const auto &[first, ignored] = programs.front();
    for (const auto &[name, program] : programs)
        if (name != first)
            std::printf("%s / %s: %.2fx the time, %.2fx the memory\n", qPrintable(first), qPrintable(name),
                        medians[first].first / medians[name].first, medians[first].second / medians[name].second);
    return 0;
}
