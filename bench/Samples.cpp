#include "Samples.h"

#include <algorithm>

void Samples::Add(double value)
{
    values_.push_back(value);
}

double Samples::Median() const
{
    if (values_.empty())
        return 0;
    std::vector<double> sorted = values_;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t middle = sorted.size() / 2;
    return sorted.size() % 2 != 0 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double Samples::Min() const
{
    return values_.empty() ? 0 : *std::min_element(values_.begin(), values_.end());
}

double Samples::Max() const
{
    return values_.empty() ? 0 : *std::max_element(values_.begin(), values_.end());
}
