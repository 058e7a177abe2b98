#pragma once

#include <cstddef>
#include <vector>

// The repeated measurements of one figure. The median is what is reported, because single runs on
// a shared machine are now and then slowed by others; the spread (smallest to largest) shows how
// much the runs differed.
class Samples {
public:
    void Add(double value);

    std::size_t Count() const { return values_.size(); }
    bool Empty() const { return values_.empty(); }
    double Median() const;
    double Min() const;
    double Max() const;

private:
    std::vector<double> values_;
};
