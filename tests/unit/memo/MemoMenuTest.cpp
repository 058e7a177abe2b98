// The memo's two menus as they would be shown, and what their commands do to the memo and the
// clipboard.
#include "ExpectedColours.h"
#include "Label.h"
#include "MemoInUse.h"
#include "MemoTestSupport.h"
#include "MenuItem.h"
#include "PopupMenu.h"
#include "TMemoWindow.h"
#include "TMemoWindows.h"
#include "TestClipboard.h"

#include <gtest/gtest.h>

#include <functional>

#include <map>
#include <string>

namespace {

std::wstring MenuText(HMENU menu, int position)
{
    wchar_t text[100] = {};
    GetMenuStringW(menu, position, text, 100, MF_BYPOSITION);
    return text;
}

bool IsSeparator(HMENU menu, int position)
{
    return (GetMenuState(menu, position, MF_BYPOSITION) & MF_SEPARATOR) != 0;
}

HBITMAP ItemBitmap(HMENU menu, int position)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return info.hbmpItem;
}

// Whether the memo counted as in use when a tick came inside the menu or dialog that was open; the
// tick closed it.
bool inUseSeen = false;

void CALLBACK NoteInUseAndClose(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    inUseSeen = MemoInUse::Any();
    EndMenu();
    if (HWND dialog = FindWindowW(L"TEditMemo", nullptr))
        dynamic_cast<ui::Form&>(*ui::Window::FromHandle(dialog)).Close(); // as Cancel does
}

class MemoMenuTest : public testing::Test {
protected:
    ui::MenuItem& Item(const std::string& name) { return memo.Get<ui::MenuItem>(name); }
    void Choose(const std::string& name) { Item(name).Click(); }

    bool UndoOffered()
    {
        memo.UpdateUndoItem();
        return Item("miUndo").Enabled();
    }

    TMemoWindow memo;
};

TEST_F(MemoMenuTest, ContextMenuHasItsItemsInOrderWithoutAddedAccelerators)
{
    std::map<UINT, ui::MenuItem*> commands;
    ui::UniqueMenu menu = memo.Get<ui::PopupMenu>("Menu").BuildMenu(commands);
    const wchar_t* expected[] = {L"編集する(&E)", nullptr,       L"色の指定",     nullptr, L"一つ前に戻す(&U)",
                                 nullptr,         L"コピー(&C)", L"ペースト(&V)", nullptr, L"メモを削除する"};
    ASSERT_EQ(10, GetMenuItemCount(menu.Get()));
    for (int i = 0; i < 10; ++i) {
        if (expected[i])
            EXPECT_EQ(expected[i], MenuText(menu.Get(), i)) << i;
        else
            EXPECT_TRUE(IsSeparator(menu.Get(), i)) << i;
    }
    const HMENU colours = GetSubMenu(menu.Get(), 2);
    ASSERT_NE(nullptr, colours);
    ASSERT_EQ(4, GetMenuItemCount(colours));
    EXPECT_EQ(L"黄色", MenuText(colours, 0));
    EXPECT_EQ(L"緑", MenuText(colours, 1));
    EXPECT_EQ(L"青", MenuText(colours, 2));
    EXPECT_EQ(L"赤", MenuText(colours, 3));
}

TEST_F(MemoMenuTest, ColourItemsCarrySharedOneColourSwatches)
{
    std::map<UINT, ui::MenuItem*> commands;
    ui::UniqueMenu menu = memo.Get<ui::PopupMenu>("Menu").BuildMenu(commands);
    const HMENU colours = GetSubMenu(menu.Get(), 2);
    const COLORREF swatches[] = {RGB(255, 255, 165), RGB(0, 153, 102), RGB(185, 185, 255), RGB(255, 132, 132)};
    TMemoWindow other;
    const char* names[] = {"miYellow", "miGreen", "miBlue", "miRed"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(names[i]);
        const HBITMAP bitmap = ItemBitmap(colours, i);
        ASSERT_NE(nullptr, bitmap);
        BITMAP facts{};
        ASSERT_NE(0, GetObjectW(bitmap, sizeof facts, &facts));
        EXPECT_EQ(30, facts.bmWidth);
        EXPECT_EQ(25, facts.bmHeight);
        EXPECT_EQ(swatches[i], memotest::BitmapPixel(bitmap, 0, 0));
        EXPECT_EQ(swatches[i], memotest::BitmapPixel(bitmap, 29, 24));
        EXPECT_EQ(bitmap, other.Get<ui::MenuItem>(names[i]).Bitmap()) << "one bitmap for every memo";
    }
}

TEST_F(MemoMenuTest, UndoIsOfferedOnlyForAPreviousTextThatDiffersFromTheCurrentOne)
{
    EXPECT_FALSE(UndoOffered()) << "a new memo";
    memo.SetMemoText("first");
    EXPECT_FALSE(UndoOffered()) << "the text before the first one was empty";
    memo.SetMemoText("second");
    EXPECT_TRUE(UndoOffered());

    testclipboard::PutText("pasted");
    Choose("miPaste");
    EXPECT_TRUE(UndoOffered());
    Choose("miPaste");
    EXPECT_EQ("pasted", memo.UndoText());
    EXPECT_FALSE(UndoOffered()) << "after pasting the same text twice";

    memo.SetMemoText("pasted\r\n");
    EXPECT_FALSE(UndoOffered()) << "a text that trims to the same one";
}

TEST_F(MemoMenuTest, UndoTwiceRedoes)
{
    memo.SetMemoText("old");
    memo.SetMemoText("new");
    Choose("miUndo");
    EXPECT_EQ("old", memo.GetMemoText());
    Choose("miUndo");
    EXPECT_EQ("new", memo.GetMemoText());
    EXPECT_EQ("old", memo.UndoText());
}

TEST_F(MemoMenuTest, CopyMenuHasOneItemPerLineRebuiltEachTime)
{
    memo.SetMemoText("one\r\ntwo\r\nthree");
    memo.FillCopyMenu();
    memo.FillCopyMenu(); // the items of the last opening go
    auto& copyMenu = memo.Get<ui::PopupMenu>("CopyMenu");
    ASSERT_EQ(3u, copyMenu.Items().size());
    for (int line = 1; line <= 3; ++line) {
        const ui::MenuItem& item = *copyMenu.Items()[static_cast<size_t>(line - 1)];
        EXPECT_EQ(line, item.Tag());
        EXPECT_EQ(std::to_wstring(line) + L"行目をコピー", item.Caption());
    }
    std::map<UINT, ui::MenuItem*> commands;
    ui::UniqueMenu shown = copyMenu.BuildMenu(commands);
    ASSERT_EQ(3, GetMenuItemCount(shown.Get()));
    EXPECT_EQ(L"&1行目をコピー", MenuText(shown.Get(), 0)) << "automatic accelerators";
    EXPECT_EQ(L"&3行目をコピー", MenuText(shown.Get(), 2));

    memo.SetMemoText("");
    memo.FillCopyMenu();
    EXPECT_TRUE(copyMenu.Items().empty()) << "an empty memo has no lines";
}

TEST_F(MemoMenuTest, CopyLineItemsPutTheirLineWithoutItsLineBreakOnTheClipboard)
{
    memo.SetMemoText("one\r\ntwo\r\nthree");
    memo.FillCopyMenu();
    auto& copyMenu = memo.Get<ui::PopupMenu>("CopyMenu");
    copyMenu.Items()[1]->Click();
    EXPECT_EQ("two", testclipboard::ReadText());
    copyMenu.Items()[2]->Click();
    EXPECT_EQ("three", testclipboard::ReadText());

    // A sender that is no menu item copies nothing.
    testclipboard::PutText("untouched");
    memo.CopyLineClick(memo.Get<ui::Label>("Label"));
    EXPECT_EQ("untouched", testclipboard::ReadText());
}

TEST_F(MemoMenuTest, CopyPutsTheWholeTextOnTheClipboardInBothFormsWithTheSystemsLocale)
{
    memo.SetMemoText("one\r\ntwo \x94\x83\x82\xA2\x95\xA8\r\n");
    Choose("miCopy");
    EXPECT_EQ("one\r\ntwo \x94\x83\x82\xA2\x95\xA8", testclipboard::ReadText());
    EXPECT_EQ(L"one\r\ntwo 買い物", testclipboard::ReadUnicodeText());
    EXPECT_EQ(0x0411u, testclipboard::ReadLocale()) << "Japanese, the system's locale under the test runner";
    const std::vector<UINT> formats = testclipboard::Formats();
    ASSERT_GE(formats.size(), 3u);
    EXPECT_EQ((std::vector<UINT>{CF_TEXT, CF_UNICODETEXT, CF_LOCALE}),
              std::vector<UINT>(formats.begin(), formats.begin() + 3));
}

TEST_F(MemoMenuTest, PasteTakesTheTextFormPlacedFirst)
{
    using testclipboard::TextBytes;
    // CF_TEXT first: its bytes as they are.
    testclipboard::PutInOrder({{CF_TEXT, TextBytes("\x83\x5C bytes")}, {CF_UNICODETEXT, TextBytes(L"other")}});
    Choose("miPaste");
    EXPECT_EQ("\x83\x5C bytes", memo.GetMemoText());
    // CF_UNICODETEXT first, or alone: converted by the program itself.
    testclipboard::PutInOrder({{CF_UNICODETEXT, TextBytes(L"買い物 ①")}, {CF_TEXT, TextBytes("other")}});
    Choose("miPaste");
    EXPECT_EQ("\x94\x83\x82\xA2\x95\xA8 \x87\x40", memo.GetMemoText());
    testclipboard::PutUnicodeText(L"ソ表");
    Choose("miPaste");
    EXPECT_EQ("\x83\x5C\x95\x5C", memo.GetMemoText());

    // The program's own copy comes back byte for byte, also a character the code page spells twice
    // (∵ is 81 E6 and, among NEC's symbols, 87 9A; the Unicode text would give back 81 E6).
    memo.SetMemoText("\x87\x9A");
    Choose("miCopy");
    TMemoWindow other;
    other.miPasteClick(other);
    EXPECT_EQ("\x87\x9A", other.GetMemoText());
}

TEST_F(MemoMenuTest, PasteReplacesTheTextTrimsItAndResizes)
{
    memo.SetMemoText("a much longer text than the pasted one");
    const int wideWidth = memo.Width();
    testclipboard::PutText("short\r\n\r\n");
    Choose("miPaste");
    EXPECT_EQ("short", memo.GetMemoText());
    EXPECT_EQ("a much longer text than the pasted one", memo.UndoText());
    EXPECT_LT(memo.Width(), wideWidth);
    EXPECT_EQ(memotest::MeasureText("short").cx, memo.ClientWidth());
}

TEST_F(MemoMenuTest, PasteWithoutTextOnTheClipboardEmptiesTheMemoAndUndoBringsItBack)
{
    memo.SetMemoText("text");
    testclipboard::Empty();
    Choose("miPaste");
    EXPECT_EQ("", memo.GetMemoText());
    EXPECT_TRUE(UndoOffered());
    Choose("miUndo");
    EXPECT_EQ("text", memo.GetMemoText());
}

TEST_F(MemoMenuTest, ColourItemsRecolourFormAndLabel)
{
    memo.Show();
    const struct {
        const char* item;
        COLORREF color;
    } cases[] = {{"miGreen", kGreen}, {"miBlue", kBlue}, {"miRed", kRed}, {"miYellow", kYellow}};
    for (const auto& c : cases) {
        Choose(c.item);
        EXPECT_EQ(c.color, memo.Color()) << c.item;
        EXPECT_EQ(c.color, memo.Get<ui::Label>("Label").Color()) << c.item;
        EXPECT_TRUE(IsWindowVisible(memo.Handle()));
    }
}

// While a menu or the edit dialog of a memo is open, what another copy wrote is not taken in.
TEST_F(MemoMenuTest, TheMemoIsInUseWhileAMenuOrTheEditDialogIsOpen)
{
    memo.SetMemoText("one\r\ntwo");
    memo.Show();
    const std::pair<const char*, std::function<void()>> openings[] = {{"menu", [&] { memo.PopupMemoMenu(); }},
                                                                      {"copy menu", [&] { memo.PopupCopyMenu(); }},
                                                                      {"edit dialog", [&] { memo.OpenEditDialog(); }}};
    for (const auto& [what, open] : openings) {
        SCOPED_TRACE(what);
        inUseSeen = false;
        ASSERT_NE(0u, SetTimer(nullptr, 0, 50, &NoteInUseAndClose));
        open();
        EXPECT_TRUE(inUseSeen);
        EXPECT_FALSE(MemoInUse::Any()) << "once it has closed";
    }
    EXPECT_EQ("one\r\ntwo", memo.GetMemoText());
}

TEST_F(MemoMenuTest, DeleteClosesTheMemoAtOnce)
{
    memo.SetMemoText("gone");
    memo.Show();
    Choose("miHagasu");
    EXPECT_FALSE(GetMemoWindows().Contains(memo));
    EXPECT_FALSE(IsWindowVisible(memo.Handle()));
}

} // namespace
