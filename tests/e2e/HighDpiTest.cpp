// The program at 150 % display scaling (144 DPI): Wine takes the DPI from the user's LogPixels value
// when a process starts, so the test sets it before each start and puts 96 back whatever happens.
#include "AboutDialog.h"
#include "FileBytes.h"
#include "Input.h"
#include "MemoWindowQuery.h"
#include "PersistenceTest.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <array>
#include <vector>

namespace e2e {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";

void SetLogPixels(DWORD dpi)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr));
    const LONG set = RegSetValueExW(key, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    RegCloseKey(key);
    ASSERT_EQ(ERROR_SUCCESS, set);
}

// The frame Windows puts around a memo's client area at a DPI (the function is Windows 10's; the
// test may import what it likes, the program may not).
SIZE MemoFrameAt(UINT dpi)
{
    using Adjust = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    auto* adjust = reinterpret_cast<Adjust*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    RECT r{0, 0, 0, 0};
    if (adjust)
        adjust(&r, WS_POPUP | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW, dpi);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

SIZE TextSize(const std::wstring& text, int fontHeight)
{
    HFONT font = CreateFontW(fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"ＭＳ Ｐゴシック");
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// The rectangles of a dialog's controls in its client coordinates.
std::vector<RECT> ControlRects(HWND dialog)
{
    std::vector<RECT> rects;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r = RectOf(child);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        rects.push_back(r);
    }
    return rects;
}

void ExpectNoOverlaps(const std::vector<RECT>& rects)
{
    for (std::size_t i = 0; i < rects.size(); ++i)
        for (std::size_t j = i + 1; j < rects.size(); ++j) {
            RECT both{};
            EXPECT_FALSE(IntersectRect(&both, &rects[i], &rects[j])) << "controls " << i << " and " << j;
        }
}

// A button's text in the dialog font of 144 DPI fits inside it.
void ExpectFits(HWND button, const std::wstring& text)
{
    ASSERT_NE(button, nullptr);
    const SIZE needed = TextSize(text, -18);
    RECT r{};
    GetClientRect(button, &r);
    EXPECT_GT(r.right, needed.cx) << "too narrow for its text";
    EXPECT_GT(r.bottom, needed.cy) << "too low for its text";
}

class HighDpiTest : public PersistenceTest {
protected:
    void SetUp() override
    {
        // Wine reads LogPixels when a process first needs its DPI, not before: the test's own
        // process must have read it (96) before the value changes, or it stays at 144 for all the
        // cases after this one, and Wine then maps the places it gives other processes' windows.
        HDC screen = GetDC(nullptr);
        const int ownDpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        ASSERT_EQ(96, ownDpi) << "this test program runs at 96 DPI";
        PersistenceTest::SetUp();
        SetLogPixels(144);
    }
    void TearDown() override
    {
        PersistenceTest::TearDown();
        SetLogPixels(96);
    }
};

TEST_F(HighDpiTest, ANewMemoAndBothDialogsAreScaledTo144Dpi)
{
    ASSERT_TRUE(Start());
    HWND dialog = OpenNewMemoDialog();
    ASSERT_NE(dialog, nullptr);
    RECT client{};
    GetClientRect(dialog, &client);
    const std::vector<RECT> controls = ControlRects(dialog);
    ASSERT_EQ(3u, controls.size());
    ExpectNoOverlaps(controls);
    for (const RECT& r : controls) {
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.right, client.right);
        EXPECT_LE(r.bottom, client.bottom);
    }
    ExpectFits(ChildOf(dialog, "Button", L"OK"), L"OK");
    ExpectFits(ChildOf(dialog, "Button", L"キャンセル"), L"キャンセル");
    // The new memo stands at the design place of 96 DPI, scaled.
    HWND memo = VisibleWindowOfClass(ProcessId(), kMemoWindowClass);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(585, RectOf(memo).left);
    EXPECT_EQ(188, RectOf(memo).top);
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitUntilHidden(dialog));

    // Its text in the 18-pixel font, the margin 8 pixels, the frame of 144 DPI around it.
    const std::string text = "memo one\r\ntwo & three";
    memo = NewMemo(text);
    ASSERT_NE(memo, nullptr);
    const SIZE label = MemoClientSizeFor(text, -18);
    const SIZE frame = MemoFrameAt(144);
    ASSERT_GT(frame.cx, 0) << "no AdjustWindowRectExForDpi to tell the frame";
    ASSERT_TRUE(WaitUntil([&] {
        const SIZE now = ClientSizeOf(memo);
        return now.cx == label.cx && now.cy == label.cy;
    })) << ClientSizeOf(memo).cx
        << "x" << ClientSizeOf(memo).cy << " for " << label.cx << "x" << label.cy;
    const RECT r = RectOf(memo);
    EXPECT_EQ(label.cx + 2 * 8 + frame.cx, r.right - r.left);
    EXPECT_EQ(label.cy + 2 * 8 + frame.cy, r.bottom - r.top);

    // The About dialog: the client area of 278 x 121 design pixels at 144 DPI, the controls apart.
    ASSERT_NE(OpenTrayMenu(program_), nullptr);
    PressKeys({'A'});
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = AboutDialogOf(ProcessId())) != nullptr; }));
    GetClientRect(about, &client);
    EXPECT_EQ(417, client.right);
    EXPECT_EQ(182, client.bottom);
    ExpectNoOverlaps(ControlRects(about));
    ExpectFits(ChildOf(about, "Button", L"OK"), L"OK");
    PressKeys({VK_RETURN});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
}

// Saved at 96 DPI (one memo fitted to its text, one made larger by its frame), shown at 144 with
// every text whole at its place, saved there, and shown at 96 again as it was at first.
TEST_F(HighDpiTest, APairSavedAt96ShowsWholeTextsAt144AndTheSameRectanglesAt96Again)
{
    const std::vector<std::string> texts{"fitted memo\r\nsecond line", "resized"};
    const SIZE frame96 = MemoWindowExtra(); // this test program runs at 96 DPI
    std::vector<StoredMemo> at96;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const SIZE client = MemoClientSizeFor(texts[i]);
        const LONG grow = i == 0 ? 0 : 31;
        const LONG left = 100 + 300 * static_cast<LONG>(i);
        at96.push_back(StoredMemo{
            texts[i], RECT{left, 200, left + client.cx + frame96.cx + grow, 200 + client.cy + frame96.cy + grow},
            kYellow});
    }
    WriteStoredMemos(ProgramFolder(), at96);

    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntil([&] { return VisibleMemos().size() == texts.size(); }));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(texts[i]);
        HWND memo = VisibleMemoHeaded(texts[i]);
        ASSERT_NE(memo, nullptr);
        const RECT r = RectOf(memo);
        EXPECT_EQ(at96[i].place.left, r.left);
        EXPECT_EQ(at96[i].place.top, r.top);
        const SIZE whole = MemoClientSizeFor(texts[i], -18);
        const SIZE client = ClientSizeOf(memo);
        if (i == 0) {
            EXPECT_EQ((std::array{whole.cx, whole.cy}), (std::array{client.cx, client.cy}));
        } else {
            EXPECT_GE(client.cx, whole.cx);
            EXPECT_GE(client.cy, whole.cy);
            EXPECT_EQ(MulDiv(at96[i].place.right - at96[i].place.left, 144, 96), r.right - r.left);
        }
    }
    ASSERT_TRUE(Exit());
    const std::string info = ReadFileBytes(DataFile(kInfoFile)).value_or("");
    EXPECT_NE(std::string::npos, info.find("info#1#Dpi#INT=144\r\n")) << info;

    SetLogPixels(96);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntil([&] { return VisibleMemos().size() == texts.size(); }));
    for (const StoredMemo& memo : at96) {
        HWND window = VisibleMemoHeaded(memo.text);
        ASSERT_NE(window, nullptr);
        const RECT r = RectOf(window);
        EXPECT_TRUE(EqualRect(&memo.place, &r))
            << memo.text << ": " << r.left << "," << r.top << " " << r.right << "," << r.bottom;
    }
    ASSERT_TRUE(Exit());
    EXPECT_EQ(SortedByText(at96), StoredMemosByText());
    EXPECT_EQ(std::string::npos, ReadFileBytes(DataFile(kInfoFile)).value_or("Dpi").find("Dpi"))
        << "back at 96 DPI the records carry no DPI";
}

} // namespace
} // namespace e2e
