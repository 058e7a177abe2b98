// The memo window itself: its window, where a new one stands, closing, colour and the colour and
// geometry record applied to a real window on this machine's one monitor.
#include "TMemoWindow.h"
#include "Application.h"
#include "ExpectedColours.h"
#include "Label.h"
#include "MemoTestSupport.h"
#include "MemosOnScreen.h"
#include "MenuItem.h"
#include "TMemoWindows.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

namespace {

std::string ClassName(HWND window)
{
    std::array<char, 64> name{};
    GetClassNameA(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

TEST(TMemoWindow, IsAHiddenOwnedToolWindowWithASizingFrameAndNoCaption)
{
    TMemoWindow memo;
    const HWND window = memo.Handle();
    EXPECT_EQ("TMemoWindow", ClassName(window));
    EXPECT_FALSE(IsWindowVisible(window));
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_EQ(0, style & WS_CAPTION);
    EXPECT_EQ(0, style & WS_SYSMENU);
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_EQ(0, exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(ui::Application::Instance().Handle(), GetWindow(window, GW_OWNER));
}

TEST(TMemoWindow, ANewMemoStandsAtTheDesignPlaceAsADefaultRecordDescribesIt)
{
    TMemoWindow memo;
    EXPECT_EQ(390, memo.Left());
    EXPECT_EQ(125, memo.Top());
    EXPECT_EQ(275, memo.ClientWidth());
    EXPECT_EQ(53, memo.ClientHeight());
    EXPECT_EQ("", memo.GetMemoText());
    EXPECT_EQ("", memo.UndoText());
    const CWindowInfo info = memo.GetWindowInfo();
    EXPECT_EQ(CWindowInfo(), info) << info.Left << "," << info.Top << " " << info.Width << "x" << info.Height
                                   << " colour " << info.Color;
    EXPECT_EQ(static_cast<std::int32_t>(kYellow), info.Color);
}

TEST(TMemoWindow, WindowInfoIsTheOuterRectangleAndTheLabelsColour)
{
    TMemoWindow memo;
    memo.SetMemoText("x");
    memo.SetBounds(200, 150, 120, 60);
    memo.SetMemoColor(kBlue);
    const CWindowInfo info = memo.GetWindowInfo();
    const RECT r = memotest::WindowRect(memo.Handle());
    EXPECT_EQ(r.left, info.Left);
    EXPECT_EQ(r.top, info.Top);
    EXPECT_EQ(r.right - r.left, info.Width);
    EXPECT_EQ(r.bottom - r.top, info.Height);
    EXPECT_EQ(static_cast<std::int32_t>(kBlue), info.Color);
}

TEST(TMemoWindow, SetMemoColorColoursFormAndLabelAndShowsTheWindow)
{
    TMemoWindow memo;
    memo.SetMemoColor(kRed);
    EXPECT_EQ(kRed, memo.Color());
    EXPECT_EQ(kRed, memo.Get<ui::Label>("Label").Color());
    EXPECT_TRUE(IsWindowVisible(memo.Handle()));
}

// A closed memo disappears and leaves the registry at once; the program's own memo is destroyed once
// the handler that closed it has returned, and gives its windows back.
TEST(TMemoWindow, ClosingHidesItTakesItOutOfTheRegistryAndDestroysItOnceNoHandlerRuns)
{
    TMemoWindow& memo = TMemoWindow::Create();
    memo.SetMemoText("kept");
    memo.Show();
    const HWND window = memo.Handle();
    const HWND label = memo.Get<ui::Label>("Label").Handle();
    ASSERT_TRUE(GetMemoWindows().Contains(memo));
    memo.Close();
    EXPECT_FALSE(GetMemoWindows().Contains(memo));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindow(window)) << "the window lives on while its handler may still run";
    EXPECT_EQ("kept", memo.GetMemoText());
    memo.Close();   // a second close changes nothing
    PumpMessages(); // the destruction of closed memos among them
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(label));
}

TEST(TMemoWindow, AClickOnTheBorderTakesTheTaskBarButtonAwayAgain)
{
    TMemoWindow memo;
    const HWND application = ui::Application::Instance().Handle();
    SetWindowLongW(application, GWL_EXSTYLE, WS_EX_APPWINDOW);
    SendMessageW(memo.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(WS_EX_TOOLWINDOW, GetWindowLongW(application, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE);
}

// What Windows sends a memo that is moved onto a monitor of another DPI (Wine never sends it).
void SendDpiChange(const TMemoWindow& memo, int dpi, RECT suggested)
{
    SendMessageW(memo.Handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP b{};
    GetObjectW(bitmap, sizeof b, &b);
    return SIZE{b.bmWidth, b.bmHeight};
}

// A memo sized to its text stays sized to it at each DPI, at the place the system suggests: the
// text measured in the font of that DPI (12 pixels at 96, 18 at 144), the border 5 or 8 pixels,
// and the frame the window has (under Wine it stays at the system's DPI). The swatches of its menu
// grow with it.
TEST(TMemoWindow, ADpiChangeFitsATextSizedMemoToItsTextAtTheNewDpi)
{
    TMemoWindow memo;
    const std::string text = "two lines\r\nof text";
    memo.SetMemoText(text);
    const RECT before = memotest::WindowRect(memo.Handle());
    const SIZE frame = memotest::SizingFrame();
    struct Step {
        int dpi;
        int fontHeight;
        int border;
        POINT place;
        SIZE swatch;
    };
    for (const Step& step :
         {Step{144, -18, 8, {200, 150}, {45, 38}}, Step{96, -12, 5, {before.left, before.top}, {30, 25}}}) {
        SCOPED_TRACE(step.dpi);
        SendDpiChange(memo, step.dpi, RECT{step.place.x, step.place.y, step.place.x + 50, step.place.y + 40});
        const SIZE client = memotest::MeasureText(text, 0, step.fontHeight);
        EXPECT_EQ(client.cx, memo.ClientWidth());
        EXPECT_EQ(client.cy, memo.ClientHeight());
        const RECT r = memotest::WindowRect(memo.Handle());
        EXPECT_EQ((std::array<LONG, 4>{step.place.x, step.place.y, client.cx + 2 * step.border + frame.cx,
                                       client.cy + 2 * step.border + frame.cy}),
                  (std::array<LONG, 4>{r.left, r.top, r.right - r.left, r.bottom - r.top}));
        const ui::Label& label = memo.Get<ui::Label>("Label");
        EXPECT_EQ((std::array<LONG, 4>{0, 0, client.cx, client.cy}),
                  (std::array<LONG, 4>{label.Left(), label.Top(), label.Width(), label.Height()}));
        EXPECT_EQ(step.dpi, memo.GetWindowInfo().Dpi) << "the DPI of the message, whatever the system says yet";
        const SIZE swatch = BitmapSize(memo.Get<ui::MenuItem>("miGreen").Bitmap());
        EXPECT_EQ(step.swatch.cx, swatch.cx);
        EXPECT_EQ(step.swatch.cy, swatch.cy);
    }
    const RECT after = memotest::WindowRect(memo.Handle());
    EXPECT_TRUE(EqualRect(&before, &after)) << "back at 96 DPI as it was";
}

// A memo the user made larger by its frame keeps that size, scaled by the ratio of the DPIs, at the
// place the system suggests.
TEST(TMemoWindow, ADpiChangeScalesTheSizeTheUserGaveAMemo)
{
    TMemoWindow memo;
    memo.SetMemoText("memo");
    memo.SetClientSize(memo.ClientWidth() + 31, memo.ClientHeight() + 10);
    const RECT before = memotest::WindowRect(memo.Handle());
    const int width = before.right - before.left;
    const int height = before.bottom - before.top;
    const int wide = MulDiv(width, 144, 96);
    const int high = MulDiv(height, 144, 96);
    SendDpiChange(memo, 144, RECT{210, 160, 210 + wide, 160 + high});
    RECT r = memotest::WindowRect(memo.Handle());
    EXPECT_EQ((std::array<LONG, 4>{210L, 160L, 210L + wide, 160L + high}),
              (std::array<LONG, 4>{r.left, r.top, r.right, r.bottom}));
    const ui::Label& label = memo.Get<ui::Label>("Label");
    EXPECT_EQ(memo.ClientWidth(), label.Width());
    EXPECT_EQ(memo.ClientHeight(), label.Height());
    SendDpiChange(memo, 96, before);
    r = memotest::WindowRect(memo.Handle());
    EXPECT_TRUE(EqualRect(&before, &r));
}

// After a display change every memo is measured against the desktop as it is now, given as data:
// here smaller than the screen the tests run on, as when a monitor goes away.
TEST(TMemoWindow, AfterADisplayChangeAMemoOffTheSmallerDesktopComesOntoItAndOneOnItStays)
{
    const DesktopLayout smaller{RECT{0, 0, 640, 480}, {RECT{0, 0, 640, 480}}};
    struct Case {
        RECT before;
        POINT after;
    };
    const Case cases[] = {
        {RECT{100, 80, 220, 120}, POINT{100, 80}}, // on it: stays
        {RECT{700, 500, 820, 540}, POINT{520, 440}},
        {RECT{600, 300, 720, 340}, POINT{520, 300}}, // partly off it
        {RECT{-900, 300, -780, 340}, POINT{0, 300}}, // on a monitor left of it that is gone
    };
    std::vector<std::unique_ptr<TMemoWindow>> memos;
    for (const Case& c : cases) {
        memos.push_back(std::make_unique<TMemoWindow>());
        memos.back()->SetMemoText("memo");
        memos.back()->SetBounds(c.before.left, c.before.top, c.before.right - c.before.left,
                                c.before.bottom - c.before.top);
    }
    KeepMemosOnDesktop(smaller);
    for (std::size_t i = 0; i < memos.size(); ++i) {
        SCOPED_TRACE(i);
        const RECT r = memotest::WindowRect(memos[i]->Handle());
        EXPECT_EQ((std::array<LONG, 4>{cases[i].after.x, cases[i].after.y, 120, 40}),
                  (std::array<LONG, 4>{r.left, r.top, r.right - r.left, r.bottom - r.top}));
    }
}

// ApplyWindowInfo on a real window. Expectations come from the system's own metrics; with one monitor
// the virtual screen is that monitor at 0, 0.
class ApplyWindowInfoTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(1, GetSystemMetrics(SM_CMONITORS)) << "these cases are for a single monitor";
        ASSERT_EQ(0, GetSystemMetrics(SM_XVIRTUALSCREEN));
        ASSERT_EQ(0, GetSystemMetrics(SM_YVIRTUALSCREEN));
        screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
        screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
        memo.SetMemoText("memo");
    }

    void ExpectRect(int left, int top, int width, int height)
    {
        const RECT r = memotest::WindowRect(memo.Handle());
        EXPECT_EQ(left, r.left);
        EXPECT_EQ(top, r.top);
        EXPECT_EQ(width, r.right - r.left);
        EXPECT_EQ(height, r.bottom - r.top);
    }

    TMemoWindow memo;
    int screenWidth = 0;
    int screenHeight = 0;
};

TEST_F(ApplyWindowInfoTest, AWindowInsideTheScreenStaysWhereItWasStoredWithItsColour)
{
    memo.ApplyWindowInfo(CWindowInfo(300, 200, 140, 70, static_cast<std::int32_t>(kGreen)));
    ExpectRect(300, 200, 140, 70);
    EXPECT_EQ(kGreen, memo.Get<ui::Label>("Label").Color());
    EXPECT_EQ(kGreen, memo.Color());
    EXPECT_TRUE(IsWindowVisible(memo.Handle()));
}

TEST_F(ApplyWindowInfoTest, PlacingForTheRestoreClampsAndColoursButLeavesTheMemoHidden)
{
    memo.PlaceAndColor(CWindowInfo(-40, 200, 140, 70, static_cast<std::int32_t>(kBlue)), CurrentDesktopLayout());
    ExpectRect(0, 200, 140, 70);
    EXPECT_EQ(kBlue, memo.Get<ui::Label>("Label").Color());
    EXPECT_EQ(kBlue, memo.Color());
    EXPECT_FALSE(IsWindowVisible(memo.Handle())) << "a restored memo is shown once, when it is complete";
    // Coloured while hidden, it is painted in its colour when it is shown.
    memo.ShowPainted();
    const HWND label = memo.Get<ui::Label>("Label").Handle();
    const HDC dc = GetDC(label);
    EXPECT_EQ(kBlue, GetPixel(dc, 1, 1));
    ReleaseDC(label, dc);
}

TEST_F(ApplyWindowInfoTest, LeftAndTopBeforeTheScreenBecomeZero)
{
    memo.ApplyWindowInfo(CWindowInfo(-40, -10, 140, 70, static_cast<std::int32_t>(kYellow)));
    ExpectRect(0, 0, 140, 70);
}

TEST_F(ApplyWindowInfoTest, ARightOrBottomEdgeBeyondTheScreenIsMovedBackByTheExcess)
{
    memo.ApplyWindowInfo(CWindowInfo(screenWidth - 140 + 100, 200, 140, 70, static_cast<std::int32_t>(kRed)));
    ExpectRect(screenWidth - 140, 200, 140, 70);
    memo.ApplyWindowInfo(CWindowInfo(300, screenHeight - 70 + 25, 140, 70, static_cast<std::int32_t>(kRed)));
    ExpectRect(300, screenHeight - 70, 140, 70);
}

TEST_F(ApplyWindowInfoTest, AWindowWiderThanTheScreenEndsOnItsRightEdgeWithANegativeLeft)
{
    const int width = screenWidth + 60;
    memo.ApplyWindowInfo(CWindowInfo(10, 100, width, 70, static_cast<std::int32_t>(kYellow)));
    const RECT r = memotest::WindowRect(memo.Handle());
    ASSERT_EQ(width, r.right - r.left) << "the window manager kept the stored width";
    EXPECT_EQ(screenWidth, r.right);
    EXPECT_EQ(-60, r.left);
    EXPECT_EQ(100, r.top);
}

TEST_F(ApplyWindowInfoTest, ASizeWithNoRoomInsideTheBorderKeepsTheSizeOfTheText)
{
    // Only a damaged info.ini holds such sizes; the memo must stay visible and readable.
    const RECT sized = memotest::WindowRect(memo.Handle());
    const int extra = (sized.right - sized.left) - memo.ClientWidth();
    memo.ApplyWindowInfo(CWindowInfo(300, 200, -5, 0, static_cast<std::int32_t>(kYellow)));
    ExpectRect(300, 200, sized.right - sized.left, sized.bottom - sized.top);
    memo.ApplyWindowInfo(CWindowInfo(300, 200, extra, extra + 1, static_cast<std::int32_t>(kYellow)));
    ExpectRect(300, 200, sized.right - sized.left, extra + 1);
    EXPECT_EQ(1, memo.ClientHeight());
}

// CreateRestored makes at once what the restore's steps (SetMemoText, PlaceAndColor) make one after
// the other, also where the system or the record's oddities change the rectangle.
TEST_F(ApplyWindowInfoTest, ARestoredMemoIsMadeAsItsStepsLeaveIt)
{
    const DesktopLayout desktop = CurrentDesktopLayout();
    const std::string text = "two lines\r\nof text\r\n";
    const auto colour = [](COLORREF c) { return static_cast<std::int32_t>(c); };
    const std::vector<CWindowInfo> records{
        CWindowInfo(300, 200, 140, 70, colour(kGreen)),               // taken as stored
        CWindowInfo(-40, screenHeight + 500, 140, 70, colour(kBlue)), // clamped onto the screen
        CWindowInfo(300, 200, 3, 70, colour(kRed)),                   // no room inside: the text's width
        CWindowInfo(10, 100, screenWidth + 60, 70, colour(kYellow)),  // beyond the system's first limits
        CWindowInfo(300, 200, 140, 70000, colour(kGreen)),            // beyond any window's size
        CWindowInfo(2147483000, 200, 140, 70, colour(kBlue)),         // at the end of the coordinates
    };
    for (const CWindowInfo& record : records) {
        SCOPED_TRACE(std::to_string(record.Left) + "," + std::to_string(record.Top) + " " +
                     std::to_string(record.Width) + "x" + std::to_string(record.Height));
        TMemoWindow stepped;
        stepped.SetMemoText(text);
        stepped.PlaceAndColor(record, desktop);
        const std::unique_ptr<TMemoWindow> restored(&TMemoWindow::CreateRestored(text, record, desktop));
        EXPECT_FALSE(IsWindowVisible(restored->Handle()));
        const RECT a = memotest::WindowRect(stepped.Handle());
        const RECT b = memotest::WindowRect(restored->Handle());
        EXPECT_EQ((std::array{a.left, a.top, a.right, a.bottom}), (std::array{b.left, b.top, b.right, b.bottom}));
        EXPECT_EQ(stepped.CaptionAnsi(), restored->CaptionAnsi());
        EXPECT_EQ(stepped.GetMemoText(), restored->GetMemoText());
        EXPECT_EQ(stepped.UndoText(), restored->UndoText());
        EXPECT_EQ(stepped.Color(), restored->Color());
        // A resize by the user afterwards shows whether the label follows the window alike.
        for (TMemoWindow* memo : {&stepped, restored.get()})
            memo->SetClientSize(memo->ClientWidth() + 30, memo->ClientHeight() + 10);
        const ui::Label& steppedLabel = stepped.Get<ui::Label>("Label");
        const ui::Label& restoredLabel = restored->Get<ui::Label>("Label");
        EXPECT_EQ(steppedLabel.Color(), restoredLabel.Color());
        EXPECT_EQ(
            (std::array{steppedLabel.Left(), steppedLabel.Top(), steppedLabel.Width(), steppedLabel.Height()}),
            (std::array{restoredLabel.Left(), restoredLabel.Top(), restoredLabel.Width(), restoredLabel.Height()}));
        EXPECT_EQ(stepped.ClientWidth(), restoredLabel.Width());
    }
}

} // namespace
