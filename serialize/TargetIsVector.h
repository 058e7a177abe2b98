#pragma once

#include <cstdint>
#include <vector>

#include "Exchange.h"
#include "ITarget.h"
#include "ValueText.h"

namespace Serialize {

// Stores a vector of targets as its count (key "size") and one object per item, keyed by the
// item's index in decimal from 0. Reading makes the vector as long as the stored count: extra
// items are removed, missing ones are default-constructed and then read.
//
// The adapter refers to a vector that outlives it; it is made on the stack around one save or load.
template <typename T>
class TargetIsVector : public ITarget {
public:
    explicit TargetIsVector(std::vector<T>& items) : items_(items) {}

    void Serialize(ASerialize& store) override
    {
        auto count = static_cast<std::uint32_t>(items_.size());
        Exchange(store, "size", count);
        if (items_.size() > count) {
            items_.resize(count);
        }
        for (std::uint32_t index = 0; index < count; ++index) {
            // Items are added one at a time rather than all at once, so an absurd stored count
            // ends with Error at the first missing item instead of a huge allocation.
            if (index == items_.size()) {
                items_.emplace_back();
            }
            Exchange(store, FormatInt(static_cast<std::int32_t>(index)), items_[index]);
        }
    }

private:
    std::vector<T>& items_;
};

} // namespace Serialize
