#pragma once
// A rectangle of four int32 edges, as info.ini may give them, for the clamping arithmetic of
// store/ClampOntoDesktop.h; the unit tests and the fuzz target use the same one.

#include <cstdint>
#include <ostream>

struct Box {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;

    bool operator==(const Box&) const = default;
    std::int64_t Width() const { return std::int64_t{right} - left; }
    std::int64_t Height() const { return std::int64_t{bottom} - top; }

    friend std::ostream& operator<<(std::ostream& out, const Box& box)
    {
        return out << '{' << box.left << ", " << box.top << ", " << box.right << ", " << box.bottom << '}';
    }
};
