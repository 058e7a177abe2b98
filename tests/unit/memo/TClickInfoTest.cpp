#include "TClickInfo.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kDoubleClickTime = 500;
constexpr POINT kPress{400, 300};

TClickInfo PressedAt(DWORD time, POINT at = kPress)
{
    TClickInfo info;
    info.Record(time, at);
    return info;
}

POINT Offset(POINT p, LONG dx, LONG dy)
{
    return POINT{p.x + dx, p.y + dy};
}

// Sets the user's double-click time for a scope and puts the old one back.
class DoubleClickTimeScope {
public:
    explicit DoubleClickTimeScope(UINT milliseconds) : saved_(GetDoubleClickTime())
    {
        EXPECT_TRUE(SetDoubleClickTime(milliseconds));
    }
    ~DoubleClickTimeScope() { SetDoubleClickTime(saved_); }
    DoubleClickTimeScope(const DoubleClickTimeScope&) = delete;
    DoubleClickTimeScope& operator=(const DoubleClickTimeScope&) = delete;

private:
    UINT saved_;
};

} // namespace

TEST(IsDoubleClick, NewRecordNeverCompletesADoubleClick)
{
    TClickInfo fresh;
    EXPECT_FALSE(fresh.HasPress());
    // Even a press at tick 0 on the point (0, 0), which the empty record's fields would match.
    EXPECT_FALSE(IsDoubleClickAt(fresh, 0, kDoubleClickTime, POINT{0, 0}));
    EXPECT_FALSE(IsDoubleClickAt(fresh, 100, kDoubleClickTime, POINT{0, 0}));
}

TEST(IsDoubleClick, ElapsedTimeUpToAndIncludingTheDoubleClickTime)
{
    const TClickInfo info = PressedAt(10000);
    EXPECT_TRUE(IsDoubleClickAt(info, 10000, kDoubleClickTime, kPress));
    EXPECT_TRUE(IsDoubleClickAt(info, 10000 + kDoubleClickTime, kDoubleClickTime, kPress));
    EXPECT_FALSE(IsDoubleClickAt(info, 10000 + kDoubleClickTime + 1, kDoubleClickTime, kPress));
}

TEST(IsDoubleClick, TickCounterWrappedBetweenThePresses)
{
    // Pressed 100 ms before the counter wrapped, pressed again 150 ms after it: 250 ms apart.
    const TClickInfo info = PressedAt(0xFFFFFFFFu - 99);
    EXPECT_TRUE(IsDoubleClickAt(info, 150, kDoubleClickTime, kPress));
    // 0xFFFFFF9C + 501 wraps to 401: one millisecond too late.
    EXPECT_TRUE(IsDoubleClickAt(info, 400, kDoubleClickTime, kPress));
    EXPECT_FALSE(IsDoubleClickAt(info, 401, kDoubleClickTime, kPress));
}

TEST(IsDoubleClick, ACounterThatWentBackwardsCountsAsLongAgo)
{
    // A "now" before the press gives a huge unsigned elapsed time, never a double click.
    const TClickInfo info = PressedAt(5000);
    EXPECT_FALSE(IsDoubleClickAt(info, 4999, kDoubleClickTime, kPress));
}

TEST(IsDoubleClick, ThreePixelsApartOnEitherAxisPassFourDoNot)
{
    const TClickInfo info = PressedAt(1000);
    const DWORD soon = 1100;
    for (LONG d : {-3, 3}) {
        EXPECT_TRUE(IsDoubleClickAt(info, soon, kDoubleClickTime, Offset(kPress, d, 0))) << "dx " << d;
        EXPECT_TRUE(IsDoubleClickAt(info, soon, kDoubleClickTime, Offset(kPress, 0, d))) << "dy " << d;
        EXPECT_TRUE(IsDoubleClickAt(info, soon, kDoubleClickTime, Offset(kPress, d, d))) << "both " << d;
    }
    for (LONG d : {-4, 4}) {
        EXPECT_FALSE(IsDoubleClickAt(info, soon, kDoubleClickTime, Offset(kPress, d, 0))) << "dx " << d;
        EXPECT_FALSE(IsDoubleClickAt(info, soon, kDoubleClickTime, Offset(kPress, 0, d))) << "dy " << d;
        EXPECT_FALSE(IsDoubleClickAt(info, soon, kDoubleClickTime, Offset(kPress, 3, d))) << "x passes, dy " << d;
    }
}

TEST(IsDoubleClick, NegativeScreenCoordinates)
{
    // A memo on a monitor left of the primary one.
    const TClickInfo info = PressedAt(1000, POINT{-1200, -20});
    EXPECT_TRUE(IsDoubleClickAt(info, 1200, kDoubleClickTime, POINT{-1203, -17}));
    EXPECT_FALSE(IsDoubleClickAt(info, 1200, kDoubleClickTime, POINT{-1196, -20}));
}

TEST(IsDoubleClick, AThirdPressIsComparedWithTheFirstPressOfTheDoubleClick)
{
    // The memo window records the first press; the second completes a double click and is not
    // recorded, so a third press is measured against the first one.
    TClickInfo info = PressedAt(1000);
    ASSERT_TRUE(IsDoubleClickAt(info, 1300, kDoubleClickTime, Offset(kPress, 2, 0)));
    EXPECT_TRUE(IsDoubleClickAt(info, 1500, kDoubleClickTime, Offset(kPress, -3, 0)));
    EXPECT_FALSE(IsDoubleClickAt(info, 1501, kDoubleClickTime, kPress));
    // 3 pixels from the second press but 5 from the first.
    EXPECT_FALSE(IsDoubleClickAt(info, 1400, kDoubleClickTime, Offset(kPress, 5, 0)));
}

TEST(RecordClick, RemembersTheTickCountAndTheCursorPositionNow)
{
    ASSERT_TRUE(SetCursorPos(123, 234));
    TClickInfo info;
    const DWORD before = GetTickCount();
    RecordClick(info);
    const DWORD after = GetTickCount();
    EXPECT_TRUE(info.HasPress());
    EXPECT_EQ(123, info.PressX());
    EXPECT_EQ(234, info.PressY());
    EXPECT_LE(info.PressTime() - before, after - before);
}

TEST(IsDoubleClick, ReadsTheClockTheUsersDoubleClickTimeAndTheCursor)
{
    // A double-click time of a minute: the checks below cannot run out of it on a busy machine.
    DoubleClickTimeScope minute(60000);
    ASSERT_TRUE(SetCursorPos(123, 234));
    TClickInfo info;
    RecordClick(info);
    EXPECT_TRUE(IsDoubleClick(info));
    ASSERT_TRUE(SetCursorPos(127, 234));
    EXPECT_FALSE(IsDoubleClick(info));
    ASSERT_TRUE(SetCursorPos(126, 237));
    EXPECT_TRUE(IsDoubleClick(info));
    // With a double-click time of 1 ms, the press is long past 20 ms later.
    DoubleClickTimeScope oneMillisecond(1);
    Sleep(20);
    EXPECT_FALSE(IsDoubleClick(info));
}
