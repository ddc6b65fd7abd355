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

} // namespace tav::bench
