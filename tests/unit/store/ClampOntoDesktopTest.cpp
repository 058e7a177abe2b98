#include "store/ClampOntoDesktop.h"

#include "ClampBox.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <vector>

// The arithmetic with rectangles that info.ini may hold but no desktop has. The everyday cases go
// through ClampWindowPosition in DesktopClampTest.cpp; these need no Windows and also run natively.
namespace {
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

const Box kScreen{0, 0, 1280, 1024};
}

TEST(ClampOntoDesktop, AWindowAtTheEndOfTheCoordinateRangeComesBack)
{
    const Box farRight{kMax - 100, kMax - 50, kMax, kMax};
    EXPECT_EQ(desktop_clamp::ClampOntoDesktop(farRight, kScreen, {kScreen}), (Box{1180, 974, 1280, 1024}));
    const Box farLeft{kMin, kMin, kMin + 100, kMin + 50};
    EXPECT_EQ(desktop_clamp::ClampOntoDesktop(farLeft, kScreen, {kScreen}), (Box{0, 0, 100, 50}));
}

TEST(ClampOntoDesktop, AWindowWiderThanTheInt32RangeKeepsWhatFits)
{
    // Its width, 2^32 - 1, does not fit in 32 bits; its right edge goes to the screen's.
    const Box huge{kMin, 0, kMax, 100};
    EXPECT_EQ(desktop_clamp::ClampOntoDesktop(huge, kScreen, {kScreen}), (Box{kMin, 0, 1280, 100}));
}

TEST(ClampOntoDesktop, MonitorsTooFarToMeasureTieAndTheFirstWins)
{
    // A window in the bottom-right corner of the coordinate range, monitors in the two corners
    // next to it: both distances squared exceed 64 bits, so they tie at the largest value.
    const Box topRight{kMax - 100, kMin, kMax, kMin + 100};
    const Box bottomLeft{kMin, kMax - 100, kMin + 100, kMax};
    const Box everything{kMin, kMin, kMax, kMax};
    const Box window{kMax - 50, kMax - 50, kMax, kMax};
    EXPECT_EQ(desktop_clamp::ClampOntoDesktop(window, everything, {topRight, bottomLeft}),
              (Box{kMax - 50, kMin + 50, kMax, kMin + 100}));
    EXPECT_EQ(desktop_clamp::ClampOntoDesktop(window, everything, {bottomLeft, topRight}),
              (Box{kMin + 50, kMax - 50, kMin + 100, kMax}));
}
