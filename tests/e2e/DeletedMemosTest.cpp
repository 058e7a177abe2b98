// A memo the user deletes by mistake comes back: it is kept in memo.deleted.txt and
// info.deleted.ini, and the tray's 削除したメモを戻す(&R) brings it back as it was.
#include "FileBytes.h"
#include "Input.h"
#include "MemoWindowQuery.h"
#include "PersistenceTest.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <chrono>
#include <ostream>
#include <string>

namespace e2e {
namespace {

using namespace std::chrono_literals;

constexpr std::chrono::milliseconds kTimerPeriod{3000};
constexpr std::chrono::milliseconds kSlack{2000};

// One way a person deletes a memo.
struct DeleteWay {
    const char* name;
    void (*deleteMemo)(PersistenceTest& test, HWND memo);
};

void PrintTo(const DeleteWay& way, std::ostream* out)
{
    *out << way.name;
}

class DeletedMemosTest : public PersistenceTest, public testing::WithParamInterface<DeleteWay> {
public:
    // The steps of the ways, for the table below.
    void DeleteThroughTheMenu(HWND memo)
    {
        ASSERT_NE(RightClickText(memo), nullptr);
        ASSERT_TRUE(ChooseWithKeys(kChooseDelete));
    }

    void EmptyInTheEditDialog(HWND memo)
    {
        ASSERT_NE(RightClickText(memo), nullptr);
        ASSERT_TRUE(ChooseWithKeys({'E'})); // 編集する(&E)
        HWND dialog = WaitForEditDialog();
        ASSERT_NE(dialog, nullptr);
        SendMessageA(ChildOf(dialog, "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        // Clicked once the dialog has settled, as the other dialog clicks are: a click made the
        // moment the dialog showed was once followed by no question in a whole run.
        ASSERT_TRUE(ClickWhenSettled(dialog, ChildOf(dialog, "Button", L"OK")));
        ASSERT_NE(WaitForMessageBox(kDeleteQuestionCaption), nullptr)
            << "no question after OK; the program's windows:\n"
            << DescribeScreenOf(ProcessId());
        PressKeys({VK_RETURN}); // OK: delete it
        ASSERT_TRUE(WaitUntilHidden(dialog));
    }

    void CloseWithAltF4(HWND memo)
    {
        ClickAt(CentreOf(ChildOf(memo, kMemoLabelClass)), MouseButton::Left);
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == memo; }));
        HoldKey(VK_MENU);
        PressKeys({VK_F4});
        LetGoKey(VK_MENU);
    }
};

const DeleteWay kWays[] = {
    {"DeleteCommand", [](PersistenceTest& t, HWND m) { static_cast<DeletedMemosTest&>(t).DeleteThroughTheMenu(m); }},
    {"EmptiedInTheEditDialog",
     [](PersistenceTest& t, HWND m) { static_cast<DeletedMemosTest&>(t).EmptyInTheEditDialog(m); }},
    {"AltF4", [](PersistenceTest& t, HWND m) { static_cast<DeletedMemosTest&>(t).CloseWithAltF4(m); }},
};

TEST_P(DeletedMemosTest, IsKeptAfterARestartAndComesBackFromTheTrayAsItWas)
{
    const std::string text = "deleted & back\r\nsecond line";
    const std::vector<HWND> memos = StartWithSavedMemos({"stays", text});
    ASSERT_EQ(memos.size(), 2u);
    HWND memo = memos[1];
    // A place and colour of its own, saved before the delete.
    ASSERT_NE(RightClickText(memo), nullptr);
    ASSERT_TRUE(ChooseWithKeys(kChooseGreen));
    ASSERT_TRUE(WaitUntil([&] { return ColourOnScreen(memo) == kGreen; })) << std::hex << ColourOnScreen(memo);
    RECT place{};
    ASSERT_TRUE(MoveWindowTo(memo, 500, 420, &place));
    const StoredMemo expected{text, place, kGreen};
    ASSERT_TRUE(WaitUntil([&] { return StoredMemoWithText(ProgramFolder(), text) == expected; }))
        << Describe(ReadStoredMemos(ProgramFolder()));

    GetParam().deleteMemo(*this, memo);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(WaitUntilHidden(memo));
    // Saved within one timer period: memo.txt has lost it, the deleted pair holds it.
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(DataFile("memo.txt")) == MemoFileBytes({"stays"}); },
                          kTimerPeriod + kSlack));
    ASSERT_TRUE(Exit());
    EXPECT_EQ(ReadFileBytes(DataFile("memo.deleted.txt")), MemoFileBytes({text}));
    EXPECT_EQ(ReadFileBytes(DataFile("info.deleted.ini")), InfoFileBytes({expected}));

    // The next run: the first item of the submenu brings it back, in front.
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntil([&] { return VisibleMemos().size() == 1u; }));
    ASSERT_NE(OpenTrayMenu(program_), nullptr);
    PressKeys({'R', VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return VisibleMemoHeaded(text) != nullptr; }));
    HWND back = VisibleMemoHeaded(text);
    const RECT shown = RectOf(back);
    EXPECT_TRUE(EqualRect(&place, &shown)) << "restored at a place of its own";
    EXPECT_TRUE(WaitUntil([&] { return ColourOnScreen(back) == kGreen; })) << std::hex << ColourOnScreen(back);
    EXPECT_EQ(GetForegroundWindow(), back);
    EXPECT_TRUE(WaitUntil([&] { return StoredMemoWithText(ProgramFolder(), text) == expected; }, kTimerPeriod + kSlack))
        << Describe(ReadStoredMemos(ProgramFolder()));
    // Off the list.
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(DataFile("memo.deleted.txt")) == ""; }));
    EXPECT_EQ(ReadFileBytes(DataFile("info.deleted.ini")), InfoFileBytes({}));
    EXPECT_EQ(CopiedText(back), text);
}

INSTANTIATE_TEST_SUITE_P(By, DeletedMemosTest, testing::ValuesIn(kWays),
                         [](const testing::TestParamInfo<DeleteWay>& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
