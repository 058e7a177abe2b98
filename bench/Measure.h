#pragma once

#include "Samples.h"

#include <functional>

// Runs a measurement up to `runs` times and collects what each run returns (in milliseconds or
// any other unit). Stops early once the runs together took longer than budgetMs, so a figure that
// takes seconds per run is still measured at least once without holding up the whole benchmark.
Samples Measure(int runs, double budgetMs, const std::function<double()>& run);

// The wall-clock time of action, in milliseconds, up to `runs` times (see above).
Samples MeasureTime(int runs, double budgetMs, const std::function<void()>& action);
