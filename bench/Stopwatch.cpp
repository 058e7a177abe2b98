#include "Stopwatch.h"

namespace {
constexpr double kMsPerSecond = 1000.0;

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}
}

Stopwatch::Stopwatch() : start_(Now()) {}

void Stopwatch::Restart()
{
    start_ = Now();
}

double Stopwatch::ElapsedMs() const
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(Now().QuadPart - start_.QuadPart) * kMsPerSecond /
           static_cast<double>(frequency.QuadPart);
}
