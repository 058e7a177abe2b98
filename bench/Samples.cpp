#include "Samples.h"

#include <algorithm>

void Samples::Add(double value)
{
    values.push_back(value);
}

double Samples::Median() const
{
    if (values.empty())
        return 0;
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t middle = sorted.size() / 2;
    return sorted.size() % 2 != 0 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double Samples::Min() const
{
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

double Samples::Max() const
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}
