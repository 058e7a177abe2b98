#include "Measure.h"

#include "Stopwatch.h"

Samples Measure(int runs, double budgetMs, const std::function<double()>& run)
{
    Samples samples;
    const Stopwatch total;
    for (int i = 0; i < runs; ++i) {
        samples.Add(run());
        if (total.ElapsedMs() > budgetMs)
            break;
    }
    return samples;
}

Samples MeasureTime(int runs, double budgetMs, const std::function<void()>& action)
{
    return Measure(runs, budgetMs, [&] {
        const Stopwatch watch;
        action();
        return watch.ElapsedMs();
    });
}
