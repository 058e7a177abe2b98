// The edit dialog without its modal loop: its window and layout, its text, and what OK and Cancel
// do where no question is asked. The question itself is shown by the end-to-end tests.
#include "TEditMemo.h"
#include "Button.h"
#include "MemoEdit.h"
#include "MemoTestSupport.h"
#include "TMemoWindow.h"
#include "TMemoWindows.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

class TEditMemoTest : public testing::Test {
protected:
    ui::MemoEdit& Edit(TEditMemo& dialog) { return dialog.Get<ui::MemoEdit>("Memo"); }
    void Press(TEditMemo& dialog, const char* button) { dialog.Get<ui::Button>(button).Click(); }
    // The target's dialog opened, this text put into its edit box and the button pressed.
    void EditAndPress(TMemoWindow& target, const std::string& text, const char* button)
    {
        TEditMemo dialog(target);
        Edit(dialog).SetTextAnsi(text);
        Press(dialog, button);
    }

    TMemoWindow memo;
};

TEST_F(TEditMemoTest, IsAResizableToolWindowOwnedByTheMemo)
{
    TEditMemo dialog(memo);
    const HWND window = dialog.Handle();
    std::array<char, 64> className{};
    GetClassNameA(window, className.data(), static_cast<int>(className.size()));
    EXPECT_STREQ("TEditMemo", className.data());
    std::array<wchar_t, 64> caption{};
    GetWindowTextW(window, caption.data(), static_cast<int>(caption.size()));
    EXPECT_STREQ(L"Kamifuda \xFF65 編集", caption.data());
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(WS_CAPTION, style & WS_CAPTION);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_EQ(0, style & WS_SYSMENU) << "no system menu, so no close box";
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(memo.Handle(), GetWindow(window, GW_OWNER));
    EXPECT_EQ(321, dialog.Width());
    EXPECT_EQ(246, dialog.Height());
}

TEST_F(TEditMemoTest, ControlsFollowTheDialogsSize)
{
    TEditMemo dialog(memo);
    auto& edit = Edit(dialog);
    auto& ok = dialog.Get<ui::Button>("OKBtn");
    auto& cancel = dialog.Get<ui::Button>("CancelBtn");
    const int editWidth = edit.Width(), editHeight = edit.Height();
    const int okTop = ok.Top(), cancelLeft = cancel.Left();
    dialog.SetWidth(dialog.Width() + 50);
    dialog.SetHeight(dialog.Height() + 30);
    EXPECT_EQ(editWidth + 50, edit.Width());
    EXPECT_EQ(editHeight + 30, edit.Height());
    EXPECT_EQ(2, edit.Left());
    EXPECT_EQ(okTop + 30, ok.Top());
    EXPECT_EQ(79, ok.Left());
    EXPECT_EQ(cancelLeft, cancel.Left());
    EXPECT_EQ(okTop + 30, cancel.Top());
}

TEST_F(TEditMemoTest, OpensWithTheMemosTextByteForByte)
{
    memo.SetMemoText("line one\r\n\tline two &\r\n\x83\x81\x83\x82");
    TEditMemo dialog(memo);
    EXPECT_EQ("line one\r\n\tline two &\r\n\x83\x81\x83\x82", Edit(dialog).TextAnsi());
}

TEST_F(TEditMemoTest, OKGivesTheTextToTheMemo)
{
    memo.SetMemoText("old");
    EditAndPress(memo, "new\r\ntext\r\n", "OKBtn");
    EXPECT_EQ("new\r\ntext", memo.GetMemoText());
    EXPECT_EQ("old", memo.UndoText());
    EXPECT_TRUE(GetMemoWindows().Contains(memo));
}

TEST_F(TEditMemoTest, OKWithoutChangesSetsTheSameTextAgain)
{
    memo.SetMemoText("same");
    TEditMemo dialog(memo);
    Press(dialog, "OKBtn");
    EXPECT_EQ("same", memo.GetMemoText());
    EXPECT_EQ("same", memo.UndoText());
}

TEST_F(TEditMemoTest, CancelLeavesTheMemoAsItWas)
{
    memo.SetMemoText("kept");
    EditAndPress(memo, "changed", "CancelBtn");
    // An erased text cancelled: no question, the memo keeps its text.
    EditAndPress(memo, "", "CancelBtn");
    EXPECT_EQ("kept", memo.GetMemoText());
    EXPECT_EQ("", memo.UndoText());
    EXPECT_TRUE(GetMemoWindows().Contains(memo));
}

TEST_F(TEditMemoTest, ANewMemoLeftEmptyIsClosedByOKOrCancelWithoutAQuestion)
{
    for (const char* button : {"OKBtn", "CancelBtn"}) {
        SCOPED_TRACE(button);
        TMemoWindow fresh;
        fresh.Show();
        EditAndPress(fresh, "", button);
        EXPECT_FALSE(GetMemoWindows().Contains(fresh));
        EXPECT_FALSE(IsWindowVisible(fresh.Handle()));
    }
}

TEST_F(TEditMemoTest, ANewMemoCancelledAfterTypingStaysEmpty)
{
    EditAndPress(memo, "typed", "CancelBtn");
    EXPECT_EQ("", memo.GetMemoText());
    EXPECT_TRUE(GetMemoWindows().Contains(memo));
}

TEST_F(TEditMemoTest, LineBreaksAloneAreATextThatOKAccepts)
{
    memo.SetMemoText("old");
    EditAndPress(memo, "\r\n\r\n", "OKBtn");
    EXPECT_EQ("", memo.GetMemoText());
    EXPECT_TRUE(GetMemoWindows().Contains(memo)) << "no question, the memo stays";
}

} // namespace
