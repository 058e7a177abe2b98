#pragma once

#include <windows.h>

// Wall-clock time since construction (or the last Restart), from the performance counter.
class Stopwatch {
public:
    Stopwatch();

    void Restart();
    double ElapsedMs() const;

private:
    LARGE_INTEGER start_{};
};
