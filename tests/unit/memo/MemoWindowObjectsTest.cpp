// What one memo window costs of the objects Windows allows a process 10,000 of each: GDI objects
// (fonts, brushes, bitmaps) and USER objects (windows, menus). Memos of the same kind share their
// font and the brushes of their colours, so a further memo costs its two windows and nothing else,
// and gives them back when it is closed: a program that runs for weeks closes many thousands.
#include "ExpectedColours.h"
#include "Label.h"
#include "MemoPersistence.h"
#include "MemoTestSupport.h"
#include "MenuItem.h"
#include "TMemoWindow.h"
#include "TMemoWindows.h"
#include "Wait.h"
#include "store/MemoFiles.h"
#include "store/MemoSaver.h"
#include "store/PersistenceGuard.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
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

// A memo of the program with its text and colour, left hidden: a window that has been shown also
// holds what Wine's X11 driver draws it with, which comes and goes on its own time and would blur
// the count (on Windows the desktop composition keeps that outside the process).
TMemoWindow* ColouredMemo(int index)
{
    // Freed by the program once it has been closed.
    TMemoWindow* memo = &TMemoWindow::Create();
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
        memo->Close();
    PumpMessages(); // the destruction of closed memos among them
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

// What a memo of the program holds of both kinds while it lives, counted when no memo is left.
struct Held {
    int windows = WindowsOfThisThread();
    int gdiObjectsAvailable = GdiObjectsAvailable();
};

void ExpectAllGivenBack(const Held& before, const char* what)
{
    const Held after;
    std::printf("%s: windows of the thread %d before, %d after; GDI objects to be had %d before, %d after\n", what,
                before.windows, after.windows, before.gdiObjectsAvailable, after.gdiObjectsAvailable);
    EXPECT_EQ(before.windows, after.windows) << "windows of closed memos are kept";
    EXPECT_EQ(before.gdiObjectsAvailable, after.gdiObjectsAvailable) << "GDI objects of closed memos are kept";
}

// Thirty memos shown, then deleted by their delete command. With windowsBefore: their windows are
// counted while they are shown.
void ShowAndDeleteMemos(int round, std::optional<int> windowsBefore = std::nullopt)
{
    std::vector<TMemoWindow*> memos;
    for (int i = 0; i < 30; ++i) {
        memos.push_back(ColouredMemo(30 * round + i));
        memos.back()->ShowOnTopInactive();
    }
    PumpMessages(); // the destruction of closed memos among them
    if (windowsBefore) {
        EXPECT_EQ(*windowsBefore + kWindowsPerMemo * 30, WindowsOfThisThread()) << "round " << round;
    }
    for (TMemoWindow* memo : memos)
        memo->Get<ui::MenuItem>("miHagasu").Click();
    PumpMessages(); // the destruction of closed memos among them
}

// Memos made and deleted as a user makes and deletes them, in ten rounds of thirty: the windows of
// one round are there while it lasts, and given back when it ends.
TEST(MemoWindowObjects, ThreeHundredMemosMadeAndDeletedGiveTheirWindowsBack)
{
    PersistenceGuard noSaves;
    // One round beforehand makes what memos share (their font, the brushes of their colours) and
    // what Wine keeps for painting shown windows and uses again (measured: about 140 GDI objects once
    // thirty windows have been shown together, 54 for four, and no more for sixty).
    ShowAndDeleteMemos(0);
    const Held before;
    for (int round = 1; round <= 10; ++round)
        ShowAndDeleteMemos(round, before.windows);
    EXPECT_EQ(0u, GetMemoWindows().Size());
    ExpectAllGivenBack(before, "300 memos made and deleted");
}

std::vector<std::string> SortedTexts(std::vector<std::string> texts)
{
    std::sort(texts.begin(), texts.end());
    return texts;
}

// The open memos as the program saves them.
MemoState OpenMemos()
{
    MemoState state;
    for (TMemoWindow* memo : GetMemoWindows())
        state.Add(memo->GetMemoText(), memo->GetWindowInfo());
    return state;
}

// Another copy of the program (another PC, on a synced folder) changes one memo at a time and
// rewrites the files beside the test program; this copy's own saves take each change in, which
// replaces that memo's window by a new one.
TEST(MemoWindowObjects, FiftyTakeInsThatEachChangeOneMemoGiveTheReplacedWindowsBack)
{
    MemoState files;
    for (int i = 0; i < 5; ++i)
        files.Add("memo " + std::to_string(i),
                  CWindowInfo(20 + 130 * i, 300, 120, 40, static_cast<std::int32_t>(kColours[i % kColours.size()])));
    ASSERT_TRUE(WriteMemoFiles(files).Ok());
    MemoSaver& saver = GetMemoSaver();
    saver = MemoSaver(); // as at the start of a run
    RestoreAllMemos();
    ASSERT_EQ(5u, GetMemoWindows().Size());
    // Whatever the windows made of the records is written once; from here on the files hold them.
    SaveAllMemos();
    files = OpenMemos();
    PumpMessages(); // the destruction of closed memos among them
    const Held before;
    for (int round = 0; round < 50; ++round) {
        // A longer text each round: memo.txt's size tells the change even within one tick of the clock.
        const std::size_t changed = static_cast<std::size_t>(round) % files.texts.size();
        files.texts[changed] = "memo " + std::to_string(changed) + " " + std::string(round + 1, 'x');
        ASSERT_TRUE(WriteMemoFiles(files).Ok());
        SaveAllMemos(); // the pair has just moved
        SaveAllMemos(); // it stayed put: taken in
        PumpMessages(); // the destruction of closed memos among them
        ASSERT_EQ(SortedTexts(files.texts), SortedTexts(OpenMemos().texts)) << "round " << round;
    }
    ExpectAllGivenBack(before, "50 take-ins");
    // Memos a take-in replaced are not the user's deletions.
    EXPECT_TRUE(saver.deleted.texts.empty());

    const MemoState open = OpenMemos();
    for (TMemoWindow* memo : std::vector<TMemoWindow*>(GetMemoWindows().begin(), GetMemoWindows().end()))
        memo->Close();
    PumpMessages(); // the destruction of closed memos among them
    // Closed by the user's hand: each kept, with its text and record, for the next save's list.
    EXPECT_EQ(saver.deleted, open);
    saver = MemoSaver();
}

} // namespace
