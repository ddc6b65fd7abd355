#pragma once

#include <optional>

namespace tav::bench {

// What the kernel says about this process's memory, in MiB: resident now, and the most it has
// been resident since the start or since the peak was last reset.
double residentMiB();
double peakResidentMiB();
// Starts the peak again from what is resident now, so that one step's own peak can be read.
void resetPeakResident();

// Seconds since bench/run launched this process, from the wall-clock time it passes in
// TAV_BENCH_LAUNCHED (nanoseconds since the epoch); nothing when it passed none. Counts the
// program's start as well (loading the libraries, setting up Qt), as a user waits for it.
std::optional<double> secondsSinceLaunch();

// The control of a profiler that records only the measured steps: "perf record -D -1 --control
// fifo:CTL,ACK" with TAV_BENCH_PERF_CTL=CTL and TAV_BENCH_PERF_ACK=ACK in the environment. Does
// nothing without them, or while not armed: the run arms it for the cases it was asked for, not
// for the load that comes first.
class ProfilerControl {
public:
    static ProfilerControl& instance();
    ~ProfilerControl();
    ProfilerControl(const ProfilerControl&) = delete;
    ProfilerControl& operator=(const ProfilerControl&) = delete;

    void arm(bool armed) { armed_ = armed; }
    // Sends "enable" or "disable" and waits until the profiler has done it.
    void send(const char* command);

private:
    ProfilerControl();

    int control_ = -1;
    int acknowledgement_ = -1;
    bool armed_ = false;
};

} // namespace tav::bench
