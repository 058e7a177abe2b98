// Fuzz target desktop_clamp: a restored window rectangle, as info.ini may hold any four int32
// values, brought onto one to three monitors anywhere in the coordinate range. Besides running
// without undefined behaviour: a window of positive size ends up touching a monitor, and one that
// fits every monitor keeps its size and stays where it is when clamped again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzCheck.h"
#include "store/ClampOntoDesktop.h"
#include "tests/unit/store/ClampBox.h"

namespace {

// Reads int32 values from the input, zeros once it is used up.
class Values {
public:
    Values(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    std::int32_t Next()
    {
        std::int32_t value = 0;
        const std::size_t count = std::min(size, sizeof value);
        std::memcpy(&value, data, count);
        data += count;
        size -= count;
        return value;
    }

private:
    const std::uint8_t* data;
    std::size_t size;
};

// A monitor as the system reports one: at least one pixel wide and high.
Box NextMonitor(Values& values)
{
    std::int32_t x1 = values.Next(), y1 = values.Next(), x2 = values.Next(), y2 = values.Next();
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x1 == x2)
        x1 == INT32_MIN ? ++x2 : --x1;
    if (y1 == y2)
        y1 == INT32_MIN ? ++y2 : --y1;
    return Box{x1, y1, x2, y2};
}

bool Touches(const Box& a, const Box& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::size_t monitorCount = 1 + data[0] % 3;
    Values values(data + 1, size - 1);
    const Box window{values.Next(), values.Next(), values.Next(), values.Next()};
    std::vector<Box> monitors;
    Box virtualScreen{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (std::size_t i = 0; i < monitorCount; ++i) {
        const Box monitor = NextMonitor(values);
        monitors.push_back(monitor);
        virtualScreen.left = std::min(virtualScreen.left, monitor.left);
        virtualScreen.top = std::min(virtualScreen.top, monitor.top);
        virtualScreen.right = std::max(virtualScreen.right, monitor.right);
        virtualScreen.bottom = std::max(virtualScreen.bottom, monitor.bottom);
    }

    const Box placed = desktop_clamp::ClampOntoDesktop(window, virtualScreen, monitors);
    if (window.Width() > 0 && window.Height() > 0) {
        FUZZ_CHECK(std::any_of(monitors.begin(), monitors.end(),
                               [&](const Box& monitor) { return Touches(placed, monitor); }));
    }
    // A window larger than a monitor at the end of the coordinate range may lose what lies beyond
    // it; one that fits every monitor is only moved.
    const bool fitsEveryMonitor = window.Width() > 0 && window.Height() > 0 &&
                                  std::all_of(monitors.begin(), monitors.end(), [&](const Box& monitor) {
                                      return window.Width() <= monitor.Width() && window.Height() <= monitor.Height();
                                  });
    if (fitsEveryMonitor) {
        FUZZ_CHECK(placed.Width() == window.Width() && placed.Height() == window.Height());
        FUZZ_CHECK(desktop_clamp::ClampOntoDesktop(placed, virtualScreen, monitors) == placed);
    }
    return 0;
}
