// Memos buried under another program's active window, brought back in front by a single click on
// the tray icon or by the tray menu; a double click still makes one new memo, its dialog in front.
#include "FakeMainWindow.h"
#include "Input.h"
#include "MemoWindowQuery.h"
#include "PersistenceTest.h"
#include "TrayIcon.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <ostream>

namespace e2e {
namespace {

// Time for a single click to be told from a double click, and a margin for a busy machine.
constexpr DWORD kPastTheDoubleClickMarginMs = 300;

class MemosToFrontTest : public PersistenceTest {
protected:
    // Two memos side by side, the second in front of the first, and another program's window over
    // the whole screen, active. Under Wine, an X expose lifts the exposed window above any window
    // that overlaps it in Wine's own order, however late the expose is taken in (unlike Windows):
    // overlapping memos swapped now and then, and a memo's expose from its move, taken in after
    // the cover came, lifted it above the cover and the other memo. So the memos do not overlap,
    // and the program takes in its exposes before the cover comes.
    void SetUp() override
    {
        PersistenceTest::SetUp();
        ASSERT_TRUE(Start());
        first_ = NewMemo("first memo");
        second_ = NewMemo("second memo");
        ASSERT_NE(first_, nullptr);
        ASSERT_NE(second_, nullptr);
        ASSERT_TRUE(MoveWindowTo(first_, 300, 200));
        ASSERT_TRUE(MoveWindowTo(second_, 420, 200));
        ASSERT_TRUE(WaitUntil([&] { return InTheirOrder(); })) << DescribeScreenOf(ProcessId());
        points_ = {CentreOf(second_), CentreOf(first_)};
        ASSERT_NO_FATAL_FAILURE(Cover());
    }

    bool InTheirOrder() const { return VisibleMemos() == std::vector<HWND>{second_, first_}; }

    void Cover()
    {
        LetThreadTakeInXEvents(program_.mainWindow);
        const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        SetWindowPos(cover_.Handle(), HWND_TOP, left, top, GetSystemMetrics(SM_CXVIRTUALSCREEN),
                     GetSystemMetrics(SM_CYVIRTUALSCREEN), SWP_SHOWWINDOW);
        SetForegroundWindow(cover_.Handle());
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == cover_.Handle(); }));
        for (POINT point : points_)
            ASSERT_TRUE(WaitUntil([&] { return WindowFromPoint(point) == cover_.Handle(); }))
                << DescribeScreenOf(ProcessId());
        // The same holds for the cover's own expose, which this thread takes in: taken in after the
        // program has raised its windows, it would lift the cover above them again.
        LetThreadTakeInXEvents(cover_.Handle());
    }

    // The memos are in front in the order they had, and the front one is active. The order is
    // waited for: the program raises them one by one.
    void ExpectMemosInFront()
    {
        for (POINT point : points_)
            EXPECT_TRUE(WaitUntil([&] { return ProcessOf(WindowFromPoint(point)) == ProcessId(); }))
                << "at " << point.x << ", " << point.y << ":\n"
                << DescribeScreenOf(ProcessId());
        EXPECT_TRUE(WaitUntil([&] { return InTheirOrder(); })) << DescribeScreenOf(ProcessId());
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == second_; })) << DescribeScreenOf(ProcessId());
    }

    FakeMainWindow cover_{"KamifudaTestCover", "another program"};
    HWND first_ = nullptr;
    HWND second_ = nullptr;
    std::vector<POINT> points_; // one point of each memo
};

TEST_F(MemosToFrontTest, ASingleTrayClickBringsEveryMemoInFrontInTheirOrderAndActivatesTheFrontOne)
{
    PostTrayClick(program_.mainWindow);
    ExpectMemosInFront();
}

TEST_F(MemosToFrontTest, TheTrayMenuItemBringsEveryMemoInFrontAsWell)
{
    ASSERT_NE(OpenTrayMenu(program_), nullptr);
    PressKeys({'F'}); // メモをすべて前面に表示(&F)
    ExpectMemosInFront();
}

TEST_F(MemosToFrontTest, ADoubleClickAddsExactlyOneMemoWhoseDialogStaysInFront)
{
    HWND dialog = OpenNewMemoDialog();
    ASSERT_NE(dialog, nullptr);
    // Long enough for a button-up of the double click to have been taken for a single click; the
    // test's own window answers meanwhile.
    WaitUntil([] { return false; }, std::chrono::milliseconds(GetDoubleClickTime() + kPastTheDoubleClickMarginMs));
    EXPECT_EQ(3u, VisibleMemos().size());
    EXPECT_EQ(dialog, GetForegroundWindow()) << DescribeScreenOf(ProcessId());
    EXPECT_EQ(dialog, GetAncestor(WindowFromPoint(CentreOf(dialog)), GA_ROOT)) << DescribeScreenOf(ProcessId());
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntilHidden(dialog));
    EXPECT_TRUE(WaitUntil([&] { return VisibleMemos().size() == 2u; }));
}

// With the edit dialog open, covered by another program's window, the click brings the dialog to
// the front, and typing goes on in its edit box.
TEST_F(MemosToFrontTest, WhileADialogIsOpenTheClickBringsTheDialogToTheFrontReadyForTyping)
{
    HWND dialog = OpenNewMemoDialog();
    ASSERT_NE(dialog, nullptr);
    HWND edit = ChildOf(dialog, "Edit");
    PressKeys({'A'});
    ASSERT_TRUE(WaitUntil([&] { return ControlText(edit) == "a"; })) << ControlText(edit);
    points_ = {CentreOf(dialog)};
    ASSERT_NO_FATAL_FAILURE(Cover());

    PostTrayClick(program_.mainWindow);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; })) << DescribeScreenOf(ProcessId());
    EXPECT_TRUE(WaitUntil([&] { return GetAncestor(WindowFromPoint(CentreOf(dialog)), GA_ROOT) == dialog; }))
        << DescribeScreenOf(ProcessId());
    PressKeys({'B'});
    EXPECT_TRUE(WaitUntil([&] { return ControlText(edit) == "ab"; })) << ControlText(edit);
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntilHidden(dialog));
}

} // namespace
} // namespace e2e
