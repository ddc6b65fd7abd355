#include "ProcessFigures.h"

#include <QByteArray>
#include <QFile>

#include <chrono>
#include <fcntl.h>
#include <unistd.h>

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

ProfilerControl& ProfilerControl::instance()
{
    static ProfilerControl control;
    return control;
}

ProfilerControl::ProfilerControl()
{
    const QByteArray control = qgetenv("TAV_BENCH_PERF_CTL");
    const QByteArray acknowledgement = qgetenv("TAV_BENCH_PERF_ACK");
    if (control.isEmpty() || acknowledgement.isEmpty())
        return;
    control_ = ::open(control.constData(), O_WRONLY | O_CLOEXEC);
    acknowledgement_ = ::open(acknowledgement.constData(), O_RDONLY | O_CLOEXEC);
}

ProfilerControl::~ProfilerControl()
{
    if (control_ >= 0)
        ::close(control_);
    if (acknowledgement_ >= 0)
        ::close(acknowledgement_);
}

void ProfilerControl::send(const char* command)
{
    if (!armed_ || control_ < 0 || acknowledgement_ < 0)
        return;
    const QByteArray line = QByteArray(command) + '\n';
    if (::write(control_, line.constData(), static_cast<size_t>(line.size())) != line.size())
        return;
    char reply[16];
    [[maybe_unused]] const ssize_t ignored = ::read(acknowledgement_, reply, sizeof reply);
}

} // namespace tav::bench
