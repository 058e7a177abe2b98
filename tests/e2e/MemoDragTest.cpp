// Moving a memo by dragging its text, with real mouse input on the running program.
#include "FileBytes.h"
#include "Input.h"
#include "MemoTest.h"
#include "MemoWindowQuery.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <sstream>
#include <string>

namespace e2e {
namespace {

// Three lines, so the text is a target tall and wide enough for presses a few pixels apart.
// On a loaded machine Wine can take more than a second to hand the program the second press of a
// double click; the boundaries of the timing test are checked by the unit tests.
constexpr UINT kGenerousDoubleClickTime = 5000;
constexpr char kMemoText[] = "Kamifuda drag test\r\nsecond line of the memo\r\nthird line";

POINT Moved(POINT p, LONG dx, LONG dy)
{
    return POINT{p.x + dx, p.y + dy};
}

std::string Describe(const RECT& r)
{
    std::ostringstream text;
    text << "(" << r.left << ", " << r.top << ") " << r.right - r.left << " x " << r.bottom - r.top;
    return text.str();
}

class MemoDragTest : public MemoTest {
protected:
    void SetUp() override
    {
        // The user's double-click time, which the program reads when it first needs it: generous, so
        // that a busy machine still handles both presses of a double click within it.
        savedDoubleClickTime_ = GetDoubleClickTime();
        SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, kGenerousDoubleClickTime, nullptr, SPIF_UPDATEINIFILE);
        MemoTest::SetUp();
        if (HasFatalFailure())
            return;
        memo_ = NewMemo(kMemoText);
        ASSERT_NE(memo_, nullptr) << "no memo appeared";
        label_ = ChildOf(memo_, kMemoLabelClass);
        ASSERT_NE(label_, nullptr);
        start_ = RectOf(memo_);
        const RECT label = RectOf(label_);
        ASSERT_GE(label.right - label.left, 40) << "the memo text is too small a target";
        ASSERT_GE(label.bottom - label.top, 20);
    }

    void TearDown() override
    {
        MemoTest::TearDown();
        SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, savedDoubleClickTime_, nullptr, SPIF_UPDATEINIFILE);
    }

    POINT TextCentre() const { return CentreOf(label_); }

    bool DragHoldsTheCapture() const { return CaptureOfThreadOf(memo_) == label_; }
    bool NoCapture() const { return CaptureOfThreadOf(memo_) == nullptr; }

    // Presses the left button on `from` and waits until the drag holds the mouse capture.
    bool StartDragAt(POINT from)
    {
        PressButtonAt(from, MouseButton::Left);
        return WaitUntil([&] { return DragHoldsTheCapture(); });
    }

    // Whether the window's top-left corner reaches start + (dx, dy), its size unchanged.
    bool WaitForOffset(LONG dx, LONG dy)
    {
        const LONG width = start_.right - start_.left, height = start_.bottom - start_.top;
        return WaitUntil([&] {
            const RECT r = RectOf(memo_);
            return r.left == start_.left + dx && r.top == start_.top + dy && r.right - r.left == width &&
                   r.bottom - r.top == height;
        });
    }

    // Opens the memo's menu with a right press on its text and closes it again (the pointer leaves
    // the menu before the button is released, so no item is chosen). Input is handled in order and
    // the menu shows only once everything before the press has been handled, so afterwards the
    // window's place is settled. The memo is activated first: Wine now and then drops the presses on
    // a memo it has not yet made the active window (its message trace shows the margin press and the
    // right press dropped), and then no menu opens.
    void SettleWithTheMenu()
    {
        Activate(memo_);
        const POINT onText = TextCentre();
        PressButtonAt(onText, MouseButton::Right);
        ASSERT_TRUE(WaitUntil([&] { return OpenPopupMenuOf(ProcessId()) != nullptr; }))
            << "the right press opened no menu";
        ReleaseButtonAt(Moved(onText, -30, -20), MouseButton::Right);
        PressKeys({VK_ESCAPE});
        ASSERT_TRUE(WaitUntil([&] { return OpenPopupMenuOf(ProcessId()) == nullptr; }));
    }

    // The window lies at start + (dx, dy) once all input so far has been handled.
    void ExpectSettledAtOffset(LONG dx, LONG dy)
    {
        SettleWithTheMenu();
        RECT expected = start_;
        OffsetRect(&expected, dx, dy);
        EXPECT_EQ(Describe(expected), Describe(RectOf(memo_)));
        EXPECT_TRUE(NoCapture());
    }

    UINT savedDoubleClickTime_ = 0;
    HWND memo_ = nullptr;
    HWND label_ = nullptr;
    RECT start_{};
};

TEST_F(MemoDragTest, DraggingTheTextMovesTheWindowByExactlyTheCursorsDisplacement)
{
    const POINT press = TextCentre();
    ASSERT_TRUE(StartDragAt(press));
    POINT cursor = press;
    for (const POINT step : {POINT{37, 23}, POINT{-60, 41}, POINT{5, -70}, POINT{1, 1}}) {
        cursor = Moved(cursor, step.x, step.y);
        MovePointerTo(cursor);
        // The window keeps its offset from the cursor: it moved by the cursor's whole displacement.
        EXPECT_TRUE(WaitForOffset(cursor.x - press.x, cursor.y - press.y))
            << "cursor moved by (" << cursor.x - press.x << ", " << cursor.y - press.y << "), window is at "
            << Describe(RectOf(memo_)) << ", started at " << Describe(start_);
        // The X server reports the move to the program too, and Wine makes a mouse move of that
        // report when the program next waits. Taken in after the next step, it pulled the window
        // back here, and the step after, with the pointer beside the window, brought no report.
        LetThreadTakeInXEvents(memo_);
    }
    ReleaseButtonAt(cursor, MouseButton::Left);
    EXPECT_TRUE(WaitUntil([&] { return NoCapture(); })) << "the release did not end the drag";
    const RECT end = RectOf(memo_);
    EXPECT_EQ(start_.left + cursor.x - press.x, end.left);
    EXPECT_EQ(start_.top + cursor.y - press.y, end.top);

    // The next autosave writes the new place.
    const std::string left = "info#0#Left#INT=" + std::to_string(end.left) + "\r\n";
    const std::string top = "info#0#Top#INT=" + std::to_string(end.top) + "\r\n";
    EXPECT_TRUE(WaitUntil([&] {
        const auto info = ReadFileBytes(ProgramFolder() / "info.ini");
        return info && info->find(left) != std::string::npos && info->find(top) != std::string::npos;
    })) << "info.ini does not hold the new place: "
        << ReadFileBytes(ProgramFolder() / "info.ini").value_or("(none)");
}

TEST_F(MemoDragTest, EscapeEndsTheDragAndLeavesTheWindowWhereItIs)
{
    const POINT press = TextCentre();
    ASSERT_TRUE(StartDragAt(press));
    MovePointerTo(Moved(press, 30, 20));
    ASSERT_TRUE(WaitForOffset(30, 20));
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return NoCapture(); })) << "Escape did not end the drag";
    // The button is still down: moving on and releasing moves nothing any more.
    ReleaseButtonAt(Moved(press, 110, 80), MouseButton::Left);
    // The window did not go back either.
    ExpectSettledAtOffset(30, 20);
}

TEST_F(MemoDragTest, DoubleClickOnTheTextOpensTheEditDialogAndDoesNotMoveTheWindow)
{
    const POINT press = TextCentre();
    ClickAt(press, MouseButton::Left);
    ClickAt(press, MouseButton::Left);
    HWND dialog = WaitForEditDialog();
    ASSERT_NE(dialog, nullptr) << "the double click did not open the edit dialog";
    EXPECT_EQ(Describe(start_), Describe(RectOf(memo_)));
    PressKeys({VK_ESCAPE}); // the dialog's cancel button
    ASSERT_TRUE(WaitUntilHidden(dialog)) << "the edit dialog did not close";
    ExpectSettledAtOffset(0, 0);
}

TEST_F(MemoDragTest, PressesOnTheMarginAndRightPressesMoveNothing)
{
    // The margin: the band of the memo's colour between its frame and its text.
    POINT clientOrigin{0, 0};
    ClientToScreen(memo_, &clientOrigin);
    const RECT label = RectOf(label_);
    const POINT margin{clientOrigin.x - 2, (label.top + label.bottom) / 2};
    ASSERT_LT(margin.x, label.left);
    PressButtonAt(margin, MouseButton::Left);
    ReleaseButtonAt(Moved(margin, 40, 30), MouseButton::Left);

    // A right press on the text opens the memo's menu instead; the pointer moves with the button
    // held. The settling menu is itself such a press, and a second one follows it.
    SettleWithTheMenu();
    ExpectSettledAtOffset(0, 0);
}

} // namespace
} // namespace e2e
