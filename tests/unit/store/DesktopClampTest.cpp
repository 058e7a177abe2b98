#include "store/DesktopClamp.h"

#include <gtest/gtest.h>

#include <utility>

namespace {
RECT Rect(LONG left, LONG top, LONG width, LONG height)
{
    return RECT{left, top, left + width, top + height};
}

// One monitor at 0, 0: the virtual screen is the monitor.
DesktopLayout SingleMonitor(LONG width, LONG height)
{
    return DesktopLayout{Rect(0, 0, width, height), {Rect(0, 0, width, height)}};
}

using Corner = std::pair<LONG, LONG>;

Corner Clamp(const RECT& window, const DesktopLayout& desktop)
{
    const POINT corner = ClampWindowPosition(window, desktop);
    return {corner.x, corner.y};
}
}

TEST(DesktopClampOneMonitor, WindowInsideStaysWhereItIs)
{
    EXPECT_EQ(Clamp(Rect(390, 125, 293, 71), SingleMonitor(1280, 1024)), Corner(390, 125));
    EXPECT_EQ(Clamp(Rect(0, 0, 1280, 1024), SingleMonitor(1280, 1024)), Corner(0, 0));
}

TEST(DesktopClampOneMonitor, NegativeLeftAndTopGoToZero)
{
    EXPECT_EQ(Clamp(Rect(-40, -10, 200, 100), SingleMonitor(1280, 1024)), Corner(0, 0));
}

TEST(DesktopClampOneMonitor, BeyondTheRightOrBottomEdgeMovesBackByTheExcess)
{
    EXPECT_EQ(Clamp(Rect(1180, 50, 200, 100), SingleMonitor(1280, 1024)), Corner(1080, 50));
    EXPECT_EQ(Clamp(Rect(50, 1000, 200, 100), SingleMonitor(1280, 1024)), Corner(50, 924));
}

TEST(DesktopClampOneMonitor, LargerThanTheScreenEndsWithNegativeLeftAndTop)
{
    // The right and bottom edges win: the window ends on them and sticks out on the left and top.
    EXPECT_EQ(Clamp(Rect(100, 100, 1500, 1100), SingleMonitor(1280, 1024)), Corner(-220, -76));
    EXPECT_EQ(Clamp(Rect(-300, -300, 1500, 1100), SingleMonitor(1280, 1024)), Corner(-220, -76));
}

TEST(DesktopClampSeveralMonitors, NegativeOriginKeepsAWindowOnTheLeftMonitor)
{
    // A 1920 x 1080 monitor left of a 1280 x 1024 primary one, its top 56 pixels higher.
    const DesktopLayout desktop{RECT{-1920, -56, 1280, 1024}, {RECT{-1920, -56, 0, 1024}, Rect(0, 0, 1280, 1024)}};
    EXPECT_EQ(Clamp(Rect(-1500, -20, 300, 80), desktop), Corner(-1500, -20));
    EXPECT_EQ(Clamp(Rect(-2000, -100, 300, 80), desktop), Corner(-1920, -56));
    EXPECT_EQ(Clamp(Rect(1200, 500, 300, 80), desktop), Corner(980, 500));
}

TEST(DesktopClampSeveralMonitors, WindowInAGapMovesOntoTheNearestMonitor)
{
    // A wide monitor and a lower one to its right leave a gap below the right one.
    const DesktopLayout desktop{Rect(0, 0, 3200, 1080), {Rect(0, 0, 1920, 1080), Rect(1920, 0, 1280, 1024)}};
    // 6 pixels below the right monitor, 580 pixels right of the left one.
    EXPECT_EQ(Clamp(Rect(2500, 1030, 100, 40), desktop), Corner(2500, 984));
    // Partly on the left monitor: touches it, so it stays.
    EXPECT_EQ(Clamp(Rect(1900, 1030, 100, 40), desktop), Corner(1900, 1030));
}

TEST(DesktopClampSeveralMonitors, WindowInTheGapOfAMonitorAboveLeftMovesOntoTheCloserOne)
{
    const DesktopLayout desktop{RECT{-1024, -768, 1920, 1080}, {Rect(-1024, -768, 1024, 768), Rect(0, 0, 1920, 1080)}};
    // In the empty lower-left quarter: 400 pixels from the primary, 500 below the upper monitor.
    EXPECT_EQ(Clamp(Rect(-500, 500, 100, 100), desktop), Corner(0, 500));
    // In the empty upper-right quarter: closer to the upper monitor.
    EXPECT_EQ(Clamp(Rect(100, -700, 100, 100), desktop), Corner(-100, -700));
}

TEST(DesktopClampSeveralMonitors, StoredOnAMonitorThatIsGoneComesBack)
{
    // Saved on a monitor right of the primary one, which has been unplugged since.
    EXPECT_EQ(Clamp(Rect(1500, 200, 300, 80), SingleMonitor(1280, 1024)), Corner(980, 200));
}

TEST(DesktopLayoutOfThisMachine, VirtualScreenHoldsEveryMonitor)
{
    const DesktopLayout desktop = CurrentDesktopLayout();
    ASSERT_FALSE(desktop.monitors.empty());
    EXPECT_EQ(desktop.virtualScreen.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(desktop.virtualScreen.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
    for (const RECT& monitor : desktop.monitors) {
        EXPECT_LE(desktop.virtualScreen.left, monitor.left);
        EXPECT_LE(desktop.virtualScreen.top, monitor.top);
        EXPECT_GE(desktop.virtualScreen.right, monitor.right);
        EXPECT_GE(desktop.virtualScreen.bottom, monitor.bottom);
    }
}
