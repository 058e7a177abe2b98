// A memo's context menu and copy-line menu, opened by right clicks on its text or by keys on the
// active memo and driven with keys; the effects are checked on the screen, the memo window and the
// clipboard.
#include "HeldModifierKeys.h"
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

// A way to open a memo's menu: a right click on its text, or a key pressed on the active memo, with
// these keys held.
struct MenuOpening {
    std::string name;
    std::vector<WORD> held;
    WORD key = 0; // none: the right click
};

class MemoContextMenuTest : public MemoTest {
protected:
    void SetUp() override
    {
        MemoTest::SetUp();
        memo_ = NewMemo(kMemoText);
        ASSERT_NE(memo_, nullptr);
    }

    // The menu opened that way, null if none opened.
    HWND OpenMenu(const MenuOpening& way)
    {
        if (way.key == 0)
            return RightClickText(memo_, way.held);
        Activate(memo_);
        // A key with its modifier in one batch into the active memo, as a chord comes from a
        // keyboard.
        if (way.held.empty())
            PressKeys({way.key});
        else
            PressChord(way.held.front(), way.key);
        HWND menu = WaitForOpenMenu(ProcessId());
        if (!menu)
            ADD_FAILURE() << way.name << " opened no menu; the program's windows:\n" << DescribeScreenOf(ProcessId());
        return menu;
    }

    std::string LabelText() const { return ControlText(ChildOf(memo_, kMemoLabelClass)); }

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

std::string NameOf(const testing::TestParamInfo<MenuOpening>& info)
{
    return info.param.name;
}

class CopyLineMenuTest : public MemoContextMenuTest, public testing::WithParamInterface<MenuOpening> {};

TEST_P(CopyLineMenuTest, OpensAndItsFirstItemCopiesLineOne)
{
    testclipboard::Empty();
    ASSERT_NE(OpenMenu(GetParam()), nullptr) << "no menu opened";
    ASSERT_TRUE(ChooseWithKeys({VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(WaitUntil([] { return testclipboard::ReadText() == "line one"; }))
        << "clipboard: " << testclipboard::ReadText();
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kEditDialogClass)) << "it was not the context menu";
}

// Shift or Alt with a right click; Ctrl with the Menu key, as Shift+F10 is taken by the context menu.
INSTANTIATE_TEST_SUITE_P(Keys, CopyLineMenuTest,
                         testing::Values(MenuOpening{"Shift", {VK_SHIFT}}, MenuOpening{"Alt", {VK_MENU}},
                                         MenuOpening{"ShiftAndAlt", {VK_SHIFT, VK_MENU}},
                                         MenuOpening{"CtrlAndMenuKey", {VK_CONTROL}, VK_APPS}),
                         NameOf);

TEST_F(MemoContextMenuTest, CopyLineMenuOffersEachLine)
{
    testclipboard::Empty();
    ASSERT_NE(RightClickText(memo_, {VK_SHIFT}), nullptr);
    // The items' automatic accelerators are their line numbers.
    ASSERT_TRUE(ChooseWithKeys({'3'}));
    EXPECT_TRUE(WaitUntil([] { return testclipboard::ReadText() == "third"; }))
        << "clipboard: " << testclipboard::ReadText();
}

class ContextMenuTest : public MemoContextMenuTest, public testing::WithParamInterface<MenuOpening> {};

TEST_P(ContextMenuTest, OpensOnTheMemoAndAColourChosenFromItShowsOnScreen)
{
    ASSERT_TRUE(WaitUntil([&] { return MarginColour() == kYellow; })) << std::hex << MarginColour();
    EXPECT_EQ(kYellow, TextAreaCornerColour());
    HWND menu = OpenMenu(GetParam());
    ASSERT_NE(menu, nullptr);
    // A right click opens it at the pointer, on the text; a key in the memo's top-left corner
    // inside the margin, where the text begins.
    POINT expected = CentreOf(ChildOf(memo_, kMemoLabelClass));
    if (GetParam().key != 0) {
        expected = POINT{0, 0};
        ClientToScreen(memo_, &expected);
    }
    const RECT menuPlace = RectOf(menu);
    EXPECT_EQ(expected.x, menuPlace.left);
    EXPECT_EQ(expected.y, menuPlace.top);
    // 編集する, 色の指定, into its submenu (黄色), 緑.
    ASSERT_TRUE(ChooseWithKeys(kChooseGreen));
    EXPECT_TRUE(WaitUntil([&] { return MarginColour() == kGreen && TextAreaCornerColour() == kGreen; }))
        << "margin " << std::hex << MarginColour() << ", text area " << TextAreaCornerColour();
    EXPECT_TRUE(IsWindowVisible(memo_));
}

INSTANTIATE_TEST_SUITE_P(Ways, ContextMenuTest,
                         testing::Values(MenuOpening{"RightClick", {}}, MenuOpening{"ShiftF10", {VK_SHIFT}, VK_F10},
                                         MenuOpening{"MenuKey", {}, VK_APPS}),
                         NameOf);

// From the keyboard alone: the Menu key, 編集する, the text typed on where it ends, OK.
TEST_F(MemoContextMenuTest, AnEditFromTheKeyboardGoesOnAfterTheTextAndTheLabelCarriesTheNewText)
{
    ASSERT_NE(OpenMenu(MenuOpening{"MenuKey", {}, VK_APPS}), nullptr);
    ASSERT_TRUE(ChooseWithKeys({'E'}));
    HWND dialog = WaitForEditDialog();
    ASSERT_NE(dialog, nullptr);
    PressKeys({VK_SPACE, '4'});
    HWND edit = ChildOf(dialog, "Edit");
    EXPECT_TRUE(WaitUntil([&] { return ControlText(edit) == std::string(kMemoText) + " 4"; })) << ControlText(edit);
    ClickAt(CentreOf(ChildOf(dialog, "Button", L"OK")), MouseButton::Left);
    ASSERT_TRUE(WaitUntilHidden(dialog));
    EXPECT_EQ(std::string(kMemoText) + " 4", LabelText());
}

TEST_F(MemoContextMenuTest, PasteCopyUndoRedoAndDelete)
{
    const SIZE extra = MemoWindowExtra();
    const auto windowWidthFor = [&](const std::string& text) { return MemoClientSizeFor(text).cx + extra.cx; };
    const auto width = [&] { return RectOf(memo_).right - RectOf(memo_).left; };

    // The label's window text is the memo's text, for screen readers, after each change.
    EXPECT_EQ(kMemoText, LabelText());

    // Paste replaces the whole text, trimmed, and the memo takes the new size.
    testclipboard::PutText("pasted\r\n\r\n");
    ASSERT_NE(RightClickText(memo_), nullptr);
    ASSERT_TRUE(ChooseWithKeys({'V'}));
    EXPECT_TRUE(WaitUntil([&] { return CaptionOf(memo_) == "pasted"; })) << CaptionOf(memo_);
    EXPECT_TRUE(WaitUntil([&] { return width() == windowWidthFor("pasted"); }));
    EXPECT_EQ("pasted", LabelText());

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
    EXPECT_EQ(kMemoText, LabelText());
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
