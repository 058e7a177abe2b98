#include "Stopwatch.h"

namespace
{
constexpr double kMsPerSecond = 1000.0;

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}
}

Stopwatch::Stopwatch() : start(Now()) {}

void Stopwatch::Restart()
{
    start = Now();
}

double Stopwatch::ElapsedMs() const
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(Now().QuadPart - start.QuadPart) * kMsPerSecond /
           static_cast<double>(frequency.QuadPart);
}
