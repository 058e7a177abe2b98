// What one memo window costs of the objects Windows allows a process 10,000 of each: GDI objects
// (fonts, brushes, bitmaps) and USER objects (windows, menus). Memos of the same kind share their
// font and the brushes of their colours, so a further memo costs its two windows and nothing else.
#include "ExpectedColours.h"
#include "Label.h"
#include "TMemoWindow.h"
#include "store/PersistenceGuard.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kMemos = 50;
// Windows' default quota of each kind of object per process.
constexpr int kObjectQuota = 10000;
// More than Windows' largest quota (65,536 system-wide) and Wine's table: the loop always ends.
constexpr int kMostBrushesTried = 70000;
// The form and its label.
constexpr int kWindowsPerMemo = 2;

const std::array<COLORREF, 4> kColours{kYellow, kGreen, kBlue, kRed};

// GetGuiResources counts the GDI objects of a process on Windows but answers 0 under Wine. Counted
// instead as the objects still to be had: brushes are made until the system refuses one (the
// process quota on Windows, the handle table under Wine) and freed again.
int GdiObjectsAvailable()
{
    std::vector<HBRUSH> brushes;
    while (static_cast<int>(brushes.size()) < kMostBrushesTried) {
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        if (!brush)
            break;
        brushes.push_back(brush);
    }
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    return static_cast<int>(brushes.size());
}

BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM count)
{
    CountWindow(window, count);
    EnumChildWindows(window, &CountWindow, count);
    return TRUE;
}

// The windows of this thread, top-level and child: the USER objects a memo adds (its menus exist
// only while they are open).
int WindowsOfThisThread()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
    return count;
}

// A memo with its text and colour, left hidden: a window that has been shown also holds what Wine's
// X11 driver draws it with, which comes and goes on its own time and would blur the count (on
// Windows the desktop composition keeps that outside the process).
TMemoWindow* ColouredMemo(int index)
{
    // Closed at the end of the test and never freed, as the program treats its memo windows.
    auto* memo = new TMemoWindow();
    memo->SetMemoText("memo " + std::to_string(index) + "\r\nsecond line");
    const COLORREF colour = kColours[static_cast<std::size_t>(index) % kColours.size()];
    memo->SetColor(colour);
    memo->Get<ui::Label>("Label").SetColor(colour);
    return memo;
}

struct Cost {
    int gdiObjects = 0;
    int windows = 0;
};

// What `count` more memos cost, after one memo of each colour has made whatever memos share.
Cost CostOfMemos(int count)
{
    // The memos' own saves would write files beside the test: held off.
    PersistenceGuard noSaves;
    std::vector<TMemoWindow*> memos;
    for (std::size_t i = 0; i < kColours.size(); ++i)
        memos.push_back(ColouredMemo(static_cast<int>(i)));
    const int gdiBefore = GdiObjectsAvailable();
    const int windowsBefore = WindowsOfThisThread();
    for (int i = 0; i < count; ++i)
        memos.push_back(ColouredMemo(i));
    const Cost cost{gdiBefore - GdiObjectsAvailable(), WindowsOfThisThread() - windowsBefore};
    for (TMemoWindow* memo : memos)
        memo->Close(); // hidden and out of the registry
    return cost;
}

TEST(MemoWindowObjects, AFurtherMemoCostsItsTwoWindowsAndNoGdiObjectOfItsOwn)
{
    const Cost cost = CostOfMemos(kMemos);
    const double gdi = static_cast<double>(cost.gdiObjects) / kMemos;
    const double user = static_cast<double>(cost.windows) / kMemos;
    std::printf("%d memo windows: %d GDI objects (%.2f each), %d windows (%.2f each); "
                "memos under %d of each: %.0f\n",
                kMemos, cost.gdiObjects, gdi, cost.windows, user, kObjectQuota, kObjectQuota / std::max(gdi, user));
    EXPECT_EQ(0, cost.gdiObjects) << "memos share their font and the brushes of their colours";
    EXPECT_EQ(kWindowsPerMemo * kMemos, cost.windows);
}

} // namespace
