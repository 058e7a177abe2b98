// A thousand memos: restored, moved, saved by the timer and at the exit command, each kept with its
// own place and colour. Prints the GDI and USER objects the program holds with none and with all.
#include "MemoWindowQuery.h"
#include "PersistenceTest.h"
#include "Wait.h"
#include "base/UniqueHandle.h"

#include <cstdio>
#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr std::size_t kMemos = 1000;
// Every this many memos one is moved.
constexpr std::size_t kMovedEvery = 100;
constexpr int kMoveDistance = 15;
// A thousand windows take a while to open under Wine on a busy machine.
constexpr std::chrono::milliseconds kManyMemosTimeout{300000};
// Windows' default quota of each kind of object per process.
constexpr DWORD kObjectQuota = 10000;

constexpr int kColumns = 20;
constexpr int kColumnWidth = 60;
constexpr int kRowHeight = 20;

std::vector<StoredMemo> ManyMemos()
{
    const COLORREF colours[] = {kYellow, kGreen, kBlue, kRed};
    std::vector<StoredMemo> memos;
    for (std::size_t i = 0; i < kMemos; ++i) {
        const int left = static_cast<int>(i % kColumns) * kColumnWidth;
        const int top = static_cast<int>(i / kColumns) * kRowHeight % 900;
        std::string text = "memo " + std::to_string(i);
        if (i % 7 == 0)
            text += "\r\nsecond line of " + std::to_string(i);
        memos.push_back(StoredMemo{text, RECT{left, top, left + 110, top + 45}, colours[i % 4]});
    }
    return memos;
}

struct GuiObjects {
    DWORD gdi = 0;
    DWORD user = 0;
};

// Asked from outside, as a task manager asks. (Wine does not count them and answers 0.)
GuiObjects GuiObjectsOf(DWORD processId)
{
    const base::UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (!process)
        return {};
    return {GetGuiResources(process.Get(), GR_GDIOBJECTS), GetGuiResources(process.Get(), GR_USEROBJECTS)};
}

void PrintObjectFigures(const GuiObjects& none, const GuiObjects& many)
{
    std::printf("GetGuiResources with no memo: %lu GDI, %lu USER; with %zu memos: %lu GDI, %lu USER\n",
                static_cast<unsigned long>(none.gdi), static_cast<unsigned long>(none.user), kMemos,
                static_cast<unsigned long>(many.gdi), static_cast<unsigned long>(many.user));
    if (many.gdi == 0 && many.user == 0) {
        std::printf("(the system does not count them; see the memo window unit tests for the figures)\n");
        return;
    }
    const double gdiPerMemo = static_cast<double>(many.gdi - none.gdi) / kMemos;
    const double userPerMemo = static_cast<double>(many.user - none.user) / kMemos;
    std::printf("per memo: %.2f GDI, %.2f USER objects; memos under %lu of each: %.0f\n", gdiPerMemo, userPerMemo,
                static_cast<unsigned long>(kObjectQuota),
                (kObjectQuota - std::max(none.gdi, none.user)) / std::max(gdiPerMemo, userPerMemo));
}

using ScaleTest = PersistenceTest;

TEST_F(ScaleTest, AThousandMemosAreRestoredMovedSavedAndKeptAtTheExit)
{
    ASSERT_TRUE(Start());
    const GuiObjects none = GuiObjectsOf(ProcessId());
    ASSERT_TRUE(Exit());

    std::vector<StoredMemo> memos = ManyMemos();
    WriteStoredMemos(ProgramFolder(), memos);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntil([&] { return VisibleMemos().size() >= kMemos; }, kManyMemosTimeout))
        << VisibleMemos().size() << " memos shown";
    ASSERT_TRUE(Synchronise());
    EXPECT_EQ(kMemos, VisibleMemos().size());
    PrintObjectFigures(none, GuiObjectsOf(ProcessId()));

    for (std::size_t i = 0; i < kMemos; i += kMovedEvery) {
        SCOPED_TRACE(memos[i].text);
        HWND window = VisibleMemoHeaded(memos[i].text);
        ASSERT_NE(window, nullptr);
        const RECT shown = RectOf(window);
        ASSERT_TRUE(EqualRect(&shown, &memos[i].place)) << "restored elsewhere";
        OffsetRect(&memos[i].place, kMoveDistance, kMoveDistance);
        ASSERT_TRUE(PlaceWindow(window, memos[i].place));
    }
    const std::vector<StoredMemo> expected = SortedByText(memos);
    EXPECT_TRUE(WaitUntil([&] { return StoredMemosByText() == expected; }, kManyMemosTimeout))
        << "the timer's save did not store the moves";

    ASSERT_TRUE(ChooseExit());
    ASSERT_TRUE(program_.process->WaitForExit(kManyMemosTimeout));
    EXPECT_EQ(0u, program_.process->ExitCode());
    EXPECT_TRUE(StoredMemosByText() == expected) << "the exit command's save lost or changed memos";
}

} // namespace
} // namespace e2e
