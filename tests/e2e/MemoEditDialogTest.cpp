// New memos from the tray and their edit dialog, driven with real mouse and keyboard input.
#include "HeldModifierKeys.h"
#include "Input.h"
#include "MemoTest.h"
#include "MemoWindowQuery.h"
#include "TestClipboard.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <cstdio>
#include <string>

namespace e2e {
namespace {

constexpr POINT kNewMemoPlace{390, 125};
constexpr wchar_t kEditDialogCaption[] = L"Kamifuda \xFF65 編集";
constexpr wchar_t kDeleteQuestion[] = L"このメモを削除しますか？";

// The memo is the text's size: the client area as measured, the window that plus border and frame.
// A memo may show before it takes its text's size, so the size is awaited first.
void ExpectSizedFor(HWND memo, const std::string& text)
{
    const SIZE client = MemoClientSizeFor(text);
    const SIZE extra = MemoWindowExtra();
    WaitUntil([&] {
        const SIZE now = ClientSizeOf(memo);
        return now.cx == client.cx && now.cy == client.cy;
    });
    const SIZE actual = ClientSizeOf(memo);
    EXPECT_EQ(client.cx, actual.cx);
    EXPECT_EQ(client.cy, actual.cy);
    const RECT r = RectOf(memo);
    EXPECT_EQ(client.cx + extra.cx, r.right - r.left);
    EXPECT_EQ(client.cy + extra.cy, r.bottom - r.top);
}

using MemoEditDialogTest = MemoTest;

TEST_F(MemoEditDialogTest, TrayDoubleClickOpensTheDialogOnANewMemoAtItsDesignPlace)
{
    HWND dialog = OpenNewMemoDialog();
    ASSERT_NE(dialog, nullptr) << "no edit dialog opened";
    HWND memo = VisibleWindowOfClass(ProcessId(), kMemoWindowClass);
    ASSERT_NE(memo, nullptr) << "the new memo is not shown";
    const RECT place = RectOf(memo);
    EXPECT_EQ(kNewMemoPlace.x, place.left);
    EXPECT_EQ(kNewMemoPlace.y, place.top);
    EXPECT_EQ(memo, GetWindow(dialog, GW_OWNER)) << "the dialog belongs to its memo";

    EXPECT_EQ(kEditDialogCaption, WideCaptionOf(dialog));
    HWND edit = ChildOf(dialog, "Edit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ("", ControlText(edit));
    EXPECT_EQ(edit, FocusOfThreadOf(dialog)) << "the edit box has the focus";
    EXPECT_FALSE(IsWindowEnabled(memo)) << "the memo waits for its modal dialog";

    // Centred in the work area.
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT r = RectOf(dialog);
    EXPECT_EQ(work.left + (work.right - work.left - (r.right - r.left)) / 2, r.left);
    EXPECT_EQ(work.top + (work.bottom - work.top - (r.bottom - r.top)) / 2, r.top);

    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntilHidden(dialog));
}

TEST_F(MemoEditDialogTest, TypedTextAndOKMakeAMemoOfExactlyThatTextsSize)
{
    HWND dialog = OpenNewMemoDialog();
    ASSERT_NE(dialog, nullptr);
    HWND edit = ChildOf(dialog, "Edit");
    HWND ok = ChildOf(dialog, "Button", L"OK");
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(ok, nullptr);
    ClickAt(CentreOf(edit), MouseButton::Left);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOf(dialog) == edit; }));
    // Enter types a line break in the edit box; it does not press OK.
    PressKeys({'M', 'E', 'M', 'O', VK_SPACE, 'O', 'N', 'E', VK_RETURN, 'T', 'W', 'O', VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return ControlText(edit) == "memo one\r\ntwo\r\n"; })) << ControlText(edit);
    EXPECT_TRUE(IsWindowVisible(dialog));
    ClickAt(CentreOf(ok), MouseButton::Left);
    ASSERT_TRUE(WaitUntilHidden(dialog));

    HWND memo = WaitForMemo();
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ("memo one", CaptionOf(memo)) << "the first line";
    ExpectSizedFor(memo, "memo one\r\ntwo");
    EXPECT_EQ(kNewMemoPlace.x, RectOf(memo).left);
}

// The shell's button-up and pointer moves that come after its double click arrive while the
// dialog is open; they must leave it the keyboard.
TEST_F(MemoEditDialogTest, KeysTypedRightAfterATrayDoubleClickLandInTheEditBoxAndCtrlEnterMakesTheMemo)
{
    HWND dialog = OpenNewMemoDialog();
    ASSERT_NE(dialog, nullptr);
    HWND edit = ChildOf(dialog, "Edit");
    ASSERT_NE(edit, nullptr);
    // Enter types a line break.
    PressKeys({'N', 'O', 'W', VK_RETURN, 'T', 'H', 'E', 'N'});
    ASSERT_TRUE(WaitUntil([&] { return ControlText(edit) == "now\r\nthen"; })) << ControlText(edit);
    EXPECT_EQ(dialog, GetForegroundWindow());
    EXPECT_EQ(dialog, GetAncestor(WindowFromPoint(CentreOf(dialog)), GA_ROOT)) << DescribeScreenOf(ProcessId());

    ASSERT_TRUE(PressControlEnter());
    ASSERT_TRUE(WaitUntilHidden(dialog)) << ControlText(edit);
    HWND memo = WaitForMemo();
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ("now", CaptionOf(memo));
    EXPECT_EQ("now\r\nthen", ControlText(ChildOf(memo, kMemoLabelClass))) << "the label's window text";
    EXPECT_EQ(1u, VisibleMemos().size());
}

TEST_F(MemoEditDialogTest, OKOrCancelOnANewEmptyMemoClosesItWithoutAQuestion)
{
    // OK is the default button: Ctrl+Enter, as Enter types a line break in the edit box.
    HWND dialog = OpenNewMemoDialog();
    ASSERT_NE(dialog, nullptr);
    HWND memo = VisibleWindowOfClass(ProcessId(), kMemoWindowClass);
    ASSERT_NE(memo, nullptr);
    ASSERT_TRUE(PressControlEnter());
    EXPECT_TRUE(WaitUntilHidden(dialog));
    EXPECT_TRUE(WaitUntilHidden(memo));

    // Cancel, clicked.
    dialog = OpenNewMemoDialog();
    ASSERT_NE(dialog, nullptr);
    memo = VisibleWindowOfClass(ProcessId(), kMemoWindowClass);
    ASSERT_NE(memo, nullptr);
    HWND cancel = ChildOf(dialog, "Button", L"キャンセル");
    ASSERT_NE(cancel, nullptr);
    ASSERT_TRUE(ClickWhenSettled(dialog, cancel));
    EXPECT_TRUE(WaitUntilHidden(dialog));
    EXPECT_TRUE(WaitUntilHidden(memo));
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kMessageBoxClass)) << "no question was asked";
}

class ErasedMemoTest : public MemoTest {
protected:
    // An existing memo's dialog opened from its context menu, its text erased with the keyboard.
    void SetUp() override
    {
        MemoTest::SetUp();
        memo_ = NewMemo("keep me");
        ASSERT_NE(memo_, nullptr);
        before_ = RectOf(memo_);
        ASSERT_NE(RightClickText(memo_), nullptr) << "no context menu";
        ASSERT_TRUE(ChooseWithKeys({'E'})); // 編集する(&E)
        dialog_ = WaitForEditDialog();
        ASSERT_NE(dialog_, nullptr);
        HWND edit = ChildOf(dialog_, "Edit");
        ASSERT_NE(edit, nullptr);
        ASSERT_EQ("keep me", ControlText(edit));
        ClickAt(CentreOf(edit), MouseButton::Left);
        // Keys go to the window that has the focus when they are sent.
        ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOf(dialog_) == edit; }));
        {
            const HeldModifierKeys control({VK_CONTROL});
            ASSERT_TRUE(control.AllHeld());
            PressKeys({VK_END});
            const HeldModifierKeys shift({VK_SHIFT});
            ASSERT_TRUE(shift.AllHeld());
            PressKeys({VK_HOME});
        }
        PressKeys({VK_DELETE});
        ASSERT_TRUE(WaitUntil([&] { return ControlText(edit).empty(); }));
        edit_ = edit;
    }

    HWND PressOKForTheQuestion()
    {
        ClickAt(CentreOf(ChildOf(dialog_, "Button", L"OK")), MouseButton::Left);
        return WaitForMessageBox(kDeleteQuestionCaption);
    }

    HWND memo_ = nullptr;
    HWND dialog_ = nullptr;
    HWND edit_ = nullptr;
    RECT before_{};
};

TEST_F(ErasedMemoTest, OKAsksAndConfirmingClosesMemoAndDialog)
{
    HWND box = PressOKForTheQuestion();
    ASSERT_NE(box, nullptr) << "no question";
    EXPECT_NE(nullptr, ChildOf(box, "Static", kDeleteQuestion));
    EXPECT_NE(nullptr, ChildOf(box, "Button")) << "OK and Cancel";
    PressKeys({VK_RETURN}); // OK
    EXPECT_TRUE(WaitUntilHidden(dialog_));
    EXPECT_TRUE(WaitUntilHidden(memo_));
}

TEST_F(ErasedMemoTest, CancellingTheQuestionKeepsTheDialogAndCancelThenKeepsTheText)
{
    HWND box = PressOKForTheQuestion();
    ASSERT_NE(box, nullptr) << "no question";
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
    EXPECT_TRUE(IsWindowVisible(dialog_)) << "the dialog stays open";
    EXPECT_EQ("", ControlText(edit_)) << "with its empty text";
    EXPECT_TRUE(IsWindowVisible(memo_));

    ClickAt(CentreOf(ChildOf(dialog_, "Button", L"キャンセル")), MouseButton::Left);
    EXPECT_TRUE(WaitUntilHidden(dialog_));
    EXPECT_TRUE(IsWindowVisible(memo_));
    EXPECT_EQ("keep me", CaptionOf(memo_));
    const RECT after = RectOf(memo_);
    EXPECT_EQ(before_.right - before_.left, after.right - after.left);
}

TEST_F(MemoEditDialogTest, TrayMenuItemsMakeAMemoWithTheDialogOrFromTheClipboard)
{
    // "メモ追加(&N)...": the edit dialog of a new memo.
    ASSERT_NE(OpenTrayMenu(program_), nullptr);
    PressKeys({'N'});
    HWND dialog = WaitForEditDialog();
    ASSERT_NE(dialog, nullptr);
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitUntilHidden(dialog));
    ASSERT_TRUE(WaitUntil([&] { return VisibleWindowOfClass(ProcessId(), kMemoWindowClass) == nullptr; }));

    // "クリップボードの内容をメモにする(&P)": a memo of the clipboard's text, no dialog.
    testclipboard::PutText("from the clipboard\r\nline 2\r\n");
    ASSERT_NE(OpenTrayMenu(program_), nullptr);
    PressKeys({'P'});
    HWND memo = WaitForMemo();
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return CaptionOf(memo) == "from the clipboard"; })) << CaptionOf(memo);
    ExpectSizedFor(memo, "from the clipboard\r\nline 2");
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kEditDialogClass));
}

// Windows that Wine makes in a program once, when first needed, and keeps (seen: OLE's
// "OleMainThreadWndClass", now and then during a run of this test).
constexpr std::size_t kWindowsWineMakesOnce = 2;

// Deleted memos give their windows back: the program's windows, counted from outside, hidden ones
// included, stay within a few of their number before thirty memos were made and deleted, which are
// sixty windows. (A closed edit dialog or menu may be on its way out at either count.)
TEST_F(MemoEditDialogTest, ThirtyMemosMadeAndDeletedGiveTheirWindowsBack)
{
    const std::size_t before = WindowCountOfProcess(ProcessId());
    for (int i = 0; i < 30; ++i) {
        SCOPED_TRACE(i);
        // A memo of a text, confirmed with Ctrl+Enter (Enter types a line break).
        HWND dialog = OpenNewMemoDialog();
        ASSERT_NE(dialog, nullptr);
        const std::string text = "memo " + std::to_string(i);
        SendMessageA(ChildOf(dialog, "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        ASSERT_TRUE(PressControlEnter());
        ASSERT_TRUE(WaitUntilHidden(dialog));
        HWND memo = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (memo = WaitForMemo()) != nullptr && CaptionOf(memo) == text; }));

        ASSERT_NE(RightClickText(memo), nullptr);
        ASSERT_TRUE(ChooseWithKeys({VK_UP, VK_RETURN})); // the last item deletes the memo
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(memo); }))
            << (IsWindowVisible(memo) ? "the menu closed without deleting the memo"
                                      : "the deleted memo's window lives on");
    }
    std::size_t after = 0;
    const auto givenBack = [&] {
        return (after = WindowCountOfProcess(ProcessId())) <= before + kWindowsWineMakesOnce;
    };
    EXPECT_TRUE(WaitUntil(givenBack)) << before << " windows before, " << after << " after";
    std::printf("30 memos made and deleted: %zu windows of the program before, %zu after\n", before, after);
}

} // namespace
} // namespace e2e
