// A memo's context menu and copy-line menu, opened by right clicks on its text and driven with keys;
// the effects are checked on the screen, the memo window and the clipboard.
#include "Input.h"
#include "MemoTest.h"
#include "MemoWindowQuery.h"
#include "ProgramNames.h"
#include "ScreenPicture.h"
#include "TestClipboard.h"
#include "Wait.h"
#include "WindowQuery.h"

namespace e2e {
namespace {

constexpr char kMemoText[] = "line one\r\nline two\r\nthird";

class MemoContextMenuTest : public MemoTest {
protected:
    void SetUp() override
    {
        MemoTest::SetUp();
        memo_ = NewMemo(kMemoText);
        ASSERT_NE(memo_, nullptr);
    }

    // The colour the screen shows in the memo's margin, left of its text.
    COLORREF MarginColour() const
    {
        POINT clientOrigin{0, 0};
        ClientToScreen(memo_, &clientOrigin);
        const RECT spot{clientOrigin.x - 3, clientOrigin.y + 2, clientOrigin.x - 2, clientOrigin.y + 3};
        return ScreenPicture::Capture(spot).At(0, 0);
    }

    // The colour of the text area's bottom-right pixel, where no letter reaches.
    COLORREF TextAreaCornerColour() const
    {
        const RECT label = RectOf(ChildOf(memo_, kMemoLabelClass));
        const RECT spot{label.right - 2, label.bottom - 2, label.right - 1, label.bottom - 1};
        return ScreenPicture::Capture(spot).At(0, 0);
    }

    HWND memo_ = nullptr;
};

TEST_F(MemoContextMenuTest, RightClickOpensTheContextMenuWhoseFirstItemEdits)
{
    ASSERT_NE(RightClickText(memo_), nullptr) << "no menu opened";
    ASSERT_TRUE(ChooseWithKeys({VK_DOWN, VK_RETURN}));
    HWND dialog = WaitForEditDialog();
    ASSERT_NE(dialog, nullptr) << "the first item did not open the edit dialog";
    EXPECT_EQ(kMemoText, ControlText(ChildOf(dialog, "Edit")));
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntilHidden(dialog));
}

TEST_F(MemoContextMenuTest, ControlRightClickStillOpensTheContextMenu)
{
    ASSERT_NE(RightClickText(memo_, {VK_CONTROL}), nullptr);
    ASSERT_TRUE(ChooseWithKeys({VK_DOWN, VK_RETURN}));
    HWND dialog = WaitForEditDialog();
    ASSERT_NE(dialog, nullptr) << "Ctrl alone does not make it the copy-line menu";
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntilHidden(dialog));
}

struct HeldKeys {
    std::string name;
    std::vector<WORD> keys;
};

class CopyLineMenuTest : public MemoContextMenuTest, public testing::WithParamInterface<HeldKeys> {};

TEST_P(CopyLineMenuTest, OpensWithShiftOrAltAndItsFirstItemCopiesLineOne)
{
    testclipboard::Empty();
    ASSERT_NE(RightClickText(memo_, GetParam().keys), nullptr) << "no menu opened";
    ASSERT_TRUE(ChooseWithKeys({VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(WaitUntil([] { return testclipboard::ReadText() == "line one"; }))
        << "clipboard: " << testclipboard::ReadText();
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kEditDialogClass)) << "it was not the context menu";
}

INSTANTIATE_TEST_SUITE_P(Keys, CopyLineMenuTest,
                         testing::Values(HeldKeys{"Shift", {VK_SHIFT}}, HeldKeys{"Alt", {VK_MENU}},
                                         HeldKeys{"ShiftAndAlt", {VK_SHIFT, VK_MENU}}),
                         [](const testing::TestParamInfo<HeldKeys>& info) { return info.param.name; });

TEST_F(MemoContextMenuTest, CopyLineMenuOffersEachLine)
{
    testclipboard::Empty();
    ASSERT_NE(RightClickText(memo_, {VK_SHIFT}), nullptr);
    // The items' automatic accelerators are their line numbers.
    ASSERT_TRUE(ChooseWithKeys({'3'}));
    EXPECT_TRUE(WaitUntil([] { return testclipboard::ReadText() == "third"; }))
        << "clipboard: " << testclipboard::ReadText();
}

TEST_F(MemoContextMenuTest, RecolouringShowsTheNewColourOnScreen)
{
    ASSERT_TRUE(WaitUntil([&] { return MarginColour() == kYellow; })) << std::hex << MarginColour();
    EXPECT_EQ(kYellow, TextAreaCornerColour());
    ASSERT_NE(RightClickText(memo_), nullptr);
    // 編集する, 色の指定, into its submenu (黄色), 緑.
    ASSERT_TRUE(ChooseWithKeys({VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(WaitUntil([&] { return MarginColour() == kGreen && TextAreaCornerColour() == kGreen; }))
        << "margin " << std::hex << MarginColour() << ", text area " << TextAreaCornerColour();
    EXPECT_TRUE(IsWindowVisible(memo_));
}

TEST_F(MemoContextMenuTest, PasteCopyUndoRedoAndDelete)
{
    const SIZE extra = MemoWindowExtra();
    const auto windowWidthFor = [&](const std::string& text) { return MemoClientSizeFor(text).cx + extra.cx; };
    const auto width = [&] { return RectOf(memo_).right - RectOf(memo_).left; };

    // Paste replaces the whole text, trimmed, and the memo takes the new size.
    testclipboard::PutText("pasted\r\n\r\n");
    ASSERT_NE(RightClickText(memo_), nullptr);
    ASSERT_TRUE(ChooseWithKeys({'V'}));
    EXPECT_TRUE(WaitUntil([&] { return CaptionOf(memo_) == "pasted"; })) << CaptionOf(memo_);
    EXPECT_TRUE(WaitUntil([&] { return width() == windowWidthFor("pasted"); }));

    // Copy puts the whole text on the clipboard.
    testclipboard::Empty();
    ASSERT_NE(RightClickText(memo_), nullptr);
    ASSERT_TRUE(ChooseWithKeys({'C'}));
    EXPECT_TRUE(WaitUntil([] { return testclipboard::ReadText() == "pasted"; })) << testclipboard::ReadText();

    // Undo brings the text before the paste back; a second undo redoes the paste.
    ASSERT_NE(RightClickText(memo_), nullptr);
    ASSERT_TRUE(ChooseWithKeys({'U'}));
    EXPECT_TRUE(WaitUntil([&] { return CaptionOf(memo_) == "line one"; })) << CaptionOf(memo_);
    EXPECT_TRUE(WaitUntil([&] { return width() == windowWidthFor(kMemoText); }));
    ASSERT_NE(RightClickText(memo_), nullptr);
    ASSERT_TRUE(ChooseWithKeys({'U'}));
    EXPECT_TRUE(WaitUntil([&] { return CaptionOf(memo_) == "pasted"; })) << CaptionOf(memo_);

    // Delete, the last item, closes the memo without a question.
    ASSERT_NE(RightClickText(memo_), nullptr);
    ASSERT_TRUE(ChooseWithKeys({VK_UP, VK_RETURN}));
    EXPECT_TRUE(WaitUntilHidden(memo_));
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kMessageBoxClass));
    EXPECT_TRUE(program_.process->IsRunning());
}

} // namespace
} // namespace e2e
