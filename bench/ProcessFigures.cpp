#include "ProcessFigures.h"

#include <QByteArray>
#include <QFile>

#include <chrono>

namespace tav::bench {

namespace {

// A line "Name:   1234 kB" of /proc/self/status, in MiB.
double statusFigure(const char* name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(name) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').front().toDouble() / 1024.0;
    }
    return 0;
}

} // namespace

double residentMiB()
{
    return statusFigure("VmRSS");
}

double peakResidentMiB()
{
    return statusFigure("VmHWM");
}

void resetPeakResident()
{
    // "5" resets the high-water mark of the resident set to what is resident now.
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

std::optional<double> secondsSinceLaunch()
{
    bool ok = false;
    const qint64 launched = qEnvironmentVariable("TAV_BENCH_LAUNCHED").toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    const auto now
        = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch());
    return static_cast<double>(now.count() - launched) / 1e9;
}

} // namespace tav::bench
