#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

// The arithmetic of bringing a window onto the desktop (see ClampWindowPosition in
// DesktopClamp.h), free of Windows types so that it also builds natively for the sanitizer and
// fuzzing checks. Rect is any struct with the int32 members left, top, right and bottom: RECT in
// the program, a plain struct in the native tests.
//
// A rectangle read from info.ini may hold anything, so the sums are taken in 64 bits and a result
// beyond the int32 range is cut to it (the window then keeps as much of its size as fits).
namespace desktop_clamp {

using Wide = std::int64_t;

inline std::int32_t Narrow(Wide value)
{
    constexpr Wide kMin = std::numeric_limits<std::int32_t>::min();
    constexpr Wide kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, kMin, kMax));
}

// Steps 1 and 2 against one bounding rectangle.
template <typename Rect>
Rect ClampInto(const Rect& window, const Rect& bounds)
{
    const Wide width = Wide{window.right} - window.left;
    const Wide height = Wide{window.bottom} - window.top;
    Wide left = std::max<Wide>(window.left, bounds.left);
    Wide top = std::max<Wide>(window.top, bounds.top);
    if (left + width > bounds.right)
        left = bounds.right - width;
    if (top + height > bounds.bottom)
        top = bounds.bottom - height;
    Rect placed = window;
    placed.left = Narrow(left);
    placed.top = Narrow(top);
    placed.right = Narrow(left + width);
    placed.bottom = Narrow(top + height);
    return placed;
}

template <typename Rect>
bool Touches(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// d * d, or the int64 maximum when that does not fit.
inline Wide SaturatedSquare(Wide d)
{
    constexpr Wide kLargestRoot = 3037000499; // the largest d whose square fits in int64
    return d > kLargestRoot ? std::numeric_limits<Wide>::max() : d * d;
}

// Squared distance between the closest points of two rectangles, saturated at the int64 maximum
// (which only makes far-away monitors tie).
template <typename Rect>
Wide DistanceSquared(const Rect& a, const Rect& b)
{
    const Wide dx = std::max<Wide>({0, Wide{b.left} - a.right, Wide{a.left} - b.right});
    const Wide dy = std::max<Wide>({0, Wide{b.top} - a.bottom, Wide{a.top} - b.bottom});
    const Wide dx2 = SaturatedSquare(dx);
    const Wide dy2 = SaturatedSquare(dy);
    return dx2 > std::numeric_limits<Wide>::max() - dy2 ? std::numeric_limits<Wide>::max() : dx2 + dy2;
}

template <typename Rect>
const Rect& NearestMonitor(const Rect& window, const std::vector<Rect>& monitors)
{
    return *std::min_element(monitors.begin(), monitors.end(), [&](const Rect& a, const Rect& b) {
        return DistanceSquared(window, a) < DistanceSquared(window, b);
    });
}

// The window moved onto the desktop, its size kept where it fits: steps 1 and 2 against the
// virtual screen, then, when the result touches no monitor, against the nearest monitor.
template <typename Rect>
Rect ClampOntoDesktop(const Rect& window, const Rect& virtualScreen, const std::vector<Rect>& monitors)
{
    Rect placed = ClampInto(window, virtualScreen);
    const bool visible =
        std::any_of(monitors.begin(), monitors.end(), [&](const Rect& monitor) { return Touches(placed, monitor); });
    if (!visible && !monitors.empty())
        placed = ClampInto(placed, NearestMonitor(placed, monitors));
    return placed;
}

} // namespace desktop_clamp
