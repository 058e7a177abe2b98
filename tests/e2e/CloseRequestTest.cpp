// Requests to close that come from another program, as taskkill without /f and tools that end a
// program send them: a WM_CLOSE posted to a top-level window of the process. The program ends as
// at the end of the session, with its last save, and a memo is deleted only by the user.
#include "HeldModifierKeys.h"
#include "Input.h"
#include "MemoWindowQuery.h"
#include "PersistenceTest.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <ostream>
#include <string>
#include <vector>

namespace e2e {
namespace {

// The hidden window that owns the program's forms.
constexpr char kApplicationWindowClass[] = "KamifudaApplication";

using CloseRequestTest = PersistenceTest;

// Which of the program's top-level windows the request goes to.
struct Target {
    const char* name;
    std::vector<HWND> (*windows)(DWORD processId, HWND mainWindow);
};

void PrintTo(const Target& target, std::ostream* out)
{
    *out << target.name;
}

const Target kTargets[] = {
    {"MainWindow", [](DWORD, HWND mainWindow) { return std::vector<HWND>{mainWindow}; }},
    {"ApplicationWindow",
     [](DWORD processId, HWND) { return OfClass(TopLevelWindowsOfProcess(processId), kApplicationWindowClass); }},
    // As taskkill does it: every top-level window of the process, in the order the system lists them.
    {"EveryWindow", [](DWORD processId, HWND) { return TopLevelWindowsOfProcess(processId); }},
};

class CloseRequestEndingTest : public PersistenceTest, public testing::WithParamInterface<Target> {};

TEST_P(CloseRequestEndingTest, EndsTheProgramWithTheLastSaveOfAMemoMovedJustBefore)
{
    const std::vector<HWND> memos = StartWithSavedMemos({"kept", "moved just before"});
    ASSERT_EQ(memos.size(), 2u);
    HWND kept = memos[0];
    HWND moved = memos[1];

    // Moved, and the request sent before a timer save can find the move.
    RECT place{};
    ASSERT_TRUE(MoveWindowTo(moved, 620, 540, &place));
    const RECT keptPlace = RectOf(kept);
    const std::vector<HWND> targets = GetParam().windows(ProcessId(), program_.mainWindow);
    ASSERT_FALSE(targets.empty());
    for (HWND window : targets)
        PostMessageW(window, WM_CLOSE, 0, 0);

    ASSERT_TRUE(program_.process->WaitForExit(kDefaultTimeout)) << "the program did not end";
    EXPECT_EQ(0u, program_.process->ExitCode());
    const std::vector<StoredMemo> expected = SortedByText({
        StoredMemo{"kept", keptPlace, kYellow},
        StoredMemo{"moved just before", place, kYellow},
    });
    EXPECT_EQ(StoredMemosByText(), expected) << Describe(ReadStoredMemos(ProgramFolder()));
}

INSTANTIATE_TEST_SUITE_P(To, CloseRequestEndingTest, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<Target>& info) { return std::string(info.param.name); });

TEST_F(CloseRequestTest, ACloseOfEachMemoWindowFromOutsideDeletesNoMemo)
{
    ASSERT_EQ(StartWithSavedMemos({"first", "second"}).size(), 2u);
    const auto stored = StoredMemosByText();

    for (HWND memo : VisibleMemos())
        PostMessageW(memo, WM_CLOSE, 0, 0);
    // The tray menu opens once the program has handled the requests posted before it.
    ASSERT_NE(OpenTrayMenu(program_), nullptr);
    EXPECT_EQ(2u, VisibleMemos().size());
    // The last save of the exit command would write out any memo that the requests deleted.
    PressKeys({'X'});
    ASSERT_TRUE(program_.process->WaitForExit(kDefaultTimeout));
    EXPECT_EQ(StoredMemosByText(), stored) << Describe(ReadStoredMemos(ProgramFolder()));

    ASSERT_TRUE(Start());
    EXPECT_TRUE(WaitUntil([&] { return VisibleMemos().size() == 2u; })) << VisibleMemos().size();
}

// Alt+F4 on the memo that has the focus is the user's own close, the same as the delete command.
TEST_F(CloseRequestTest, AltF4OnTheFocusedMemoDeletesIt)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(NewMemo("stays"), nullptr);
    HWND closed = NewMemo("closed with alt f4");
    ASSERT_NE(closed, nullptr);
    ClickAt(CentreOf(ChildOf(closed, kMemoLabelClass)), MouseButton::Left);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == closed; }));
    {
        const HeldModifierKeys alt({VK_MENU});
        ASSERT_TRUE(alt.AllHeld());
        PressKeys({VK_F4});
    }
    ASSERT_TRUE(WaitUntilHidden(closed));
    ASSERT_TRUE(Exit());
    const auto stored = ReadStoredMemos(ProgramFolder());
    ASSERT_TRUE(stored && stored->size() == 1u) << Describe(stored);
    EXPECT_EQ("stays", stored->front().text);
}

} // namespace
} // namespace e2e
