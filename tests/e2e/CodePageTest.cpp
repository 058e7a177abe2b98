// Text crossing into the program from the Unicode world: what the code page cannot hold is named
// before it becomes "?", a memo.txt that another editor saved in UTF-8 is read right and kept as it
// was, and the clipboard carries Japanese right also where the user's locale is not Japanese.
#include "FileBytes.h"
#include "Input.h"
#include "MemoWindowQuery.h"
#include "PersistenceTest.h"
#include "TestClipboard.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <filesystem>

namespace e2e {
namespace {

namespace fs = std::filesystem;

// 買い物 in the code page (Shift_JIS).
constexpr char kShopping[] = "\x94\x83\x82\xA2\x95\xA8";

class LostCharactersTest : public PersistenceTest {
protected:
    void SetUp() override
    {
        PersistenceTest::SetUp();
        ASSERT_TRUE(Start());
    }

    // The program's question about characters the code page lacks; fails unless it names these.
    HWND WaitForQuestionNaming(const std::wstring& characters)
    {
        HWND box = WaitForMessageBox(kProgramTitle);
        if (!box) {
            ADD_FAILURE() << "no question; the program's windows:\n" << DescribeScreenOf(ProcessId());
            return nullptr;
        }
        const std::wstring text = MessageBoxText(box);
        EXPECT_NE(text.find(characters), std::wstring::npos) << "the question does not name them";
        EXPECT_NE(text.find(L"「?」"), std::wstring::npos) << "nor say what they become";
        return box;
    }

    // Answers the question with a key: Enter for OK, Esc for Cancel.
    void AnswerWithKey(HWND box, WORD key)
    {
        PressKeys({key});
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
    }
};

TEST_F(LostCharactersTest, OKInTheEditDialogNamesTheEmojiCancelGoesBackToTheTextAndOKStoresQuestionMarks)
{
    HWND dialog = OpenNewMemoDialog();
    HWND edit = dialog ? ChildOf(dialog, "Edit") : nullptr;
    HWND ok = dialog ? ChildOf(dialog, "Button", L"OK") : nullptr;
    ASSERT_TRUE(edit && ok) << "no edit dialog with its edit box and OK button";
    const std::wstring typed = L"xyz 買い物🙂";
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));

    ClickAt(CentreOf(ok), MouseButton::Left);
    HWND box = WaitForQuestionNaming(L"「🙂」(U+1F642)");
    ASSERT_NE(box, nullptr);
    ASSERT_NO_FATAL_FAILURE(AnswerWithKey(box, VK_ESCAPE));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Cancel goes back to the dialog";
    EXPECT_EQ(typed, WideControlText(edit)) << "with the text as typed";

    ClickAt(CentreOf(ok), MouseButton::Left);
    box = WaitForQuestionNaming(L"「🙂」(U+1F642)");
    ASSERT_NE(box, nullptr);
    ASSERT_NO_FATAL_FAILURE(AnswerWithKey(box, VK_RETURN));
    ASSERT_TRUE(WaitUntilHidden(dialog));
    // The emoji is two UTF-16 units, and the conversion gives a question mark for each.
    const std::string stored = std::string("xyz ") + kShopping + "??";
    HWND memo = WaitForMemo();
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return CaptionOf(memo) == stored; })) << CaptionOf(memo);
    ASSERT_TRUE(Synchronise());
    EXPECT_EQ(ReadFileBytes(DataFile(kMemoFile)), stored + "\r\n");
}

TEST_F(LostCharactersTest, PasteNamesTheAccentedLetterCancelLeavesEverythingAndOKPastesAQuestionMark)
{
    HWND memo = NewMemo("kept");
    ASSERT_NE(memo, nullptr);
    testclipboard::PutUnicodeText(L"café");
    for (const WORD answer : {VK_ESCAPE, VK_RETURN}) {
        SCOPED_TRACE(answer == VK_ESCAPE ? "Cancel" : "OK");
        ASSERT_NE(RightClickText(memo), nullptr);
        ASSERT_TRUE(ChooseWithKeys({'V'}));
        HWND box = WaitForQuestionNaming(L"「é」(U+00E9)");
        ASSERT_NE(box, nullptr);
        ASSERT_NO_FATAL_FAILURE(AnswerWithKey(box, answer));
        const std::string text = answer == VK_ESCAPE ? "kept" : "caf?";
        EXPECT_TRUE(WaitUntil([&] { return CaptionOf(memo) == text; })) << CaptionOf(memo);
        ASSERT_TRUE(Synchronise());
        EXPECT_EQ(ReadFileBytes(DataFile(kMemoFile)), text + "\r\n");
    }

    // A memo of the clipboard's text, declined: no memo is made.
    ASSERT_NE(OpenTrayMenu(program_), nullptr);
    PressKeys({'P'});
    HWND box = WaitForQuestionNaming(L"「é」(U+00E9)");
    ASSERT_NE(box, nullptr);
    ASSERT_NO_FATAL_FAILURE(AnswerWithKey(box, VK_ESCAPE));
    ASSERT_TRUE(Synchronise());
    EXPECT_EQ(VisibleMemos(), std::vector<HWND>{memo});
}

using ForeignMemoFileTest = PersistenceTest;

// Two memos as Notepad saves memo.txt, in UTF-8 without a mark: 買い物, and メモ, line break, ソ (whose
// second byte, a backslash in the code page, memo.txt holds doubled: in UTF-8, ソ and a backslash).
TEST_F(ForeignMemoFileTest, Utf8WithoutMarkIsKeptAsItWasTheUserToldAndTheMemosShownRight)
{
    const std::string utf8 = "\xE8\xB2\xB7\xE3\x81\x84\xE7\x89\xA9\r\n\xE3\x83\xA1\xE3\x83\xA2\\n\xE3\x82\xBD\\\r\n";
    const std::string second = "\x83\x81\x83\x82\r\n\x83\x5C"; // メモ, line break, ソ
    WriteStoredMemos(ProgramFolder(),
                     {{"one", RECT{100, 100, 220, 140}, kGreen}, {"two", RECT{300, 300, 420, 340}, kBlue}});
    WriteFileBytes(DataFile(kMemoFile), utf8);

    Launch();
    HWND box = WaitForMessageBox(kProgramTitle);
    ASSERT_NE(box, nullptr) << "the user is not told";
    std::vector<fs::path> kept;
    for (const fs::directory_entry& entry : fs::directory_iterator(ProgramFolder()))
        if (entry.path().filename().wstring().starts_with(L"memo.utf8-"))
            kept.push_back(entry.path());
    ASSERT_EQ(kept.size(), 1u) << "the original is not kept, or more than once";
    EXPECT_EQ(ReadFileBytes(kept.front()), utf8);
    const std::wstring told = MessageBoxText(box);
    EXPECT_NE(told.find(kept.front().filename().wstring()), std::wstring::npos) << "the message names the copy";
    EXPECT_NE(told.find(L"UTF-8"), std::wstring::npos);
    ASSERT_NO_FATAL_FAILURE(RunOnAfter(box));

    ExpectShown({{kShopping, RECT{100, 100, 220, 140}, kGreen}, {second, RECT{300, 300, 420, 340}, kBlue}});
    ASSERT_TRUE(Exit());
    EXPECT_EQ(ReadFileBytes(DataFile(kMemoFile)), std::string(kShopping) + "\r\n\x83\x81\x83\x82\\n\x83\x5C\x5C\r\n");
    EXPECT_EQ(ReadFileBytes(kept.front()), utf8) << "the copy stays as it was";
}

// Run by the ctest entry kamifuda_e2e_foreign_locale, which starts this program, and so the
// program under test, with LANG=ja_JP.UTF-8 and LC_MESSAGES=en_US.UTF-8: the ANSI code page is
// Japanese, the user's locale English. Text placed on the clipboard in one form alone is then
// turned into the other by the system with the English code page, as on Windows for a Japanese
// user with the English keyboard active.
class ForeignLocaleClipboardTest : public PersistenceTest {
protected:
    void SetUp() override
    {
        PersistenceTest::SetUp();
        ASSERT_EQ(GetACP(), 932u);
        ASSERT_EQ(PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())), LANG_ENGLISH)
            << "run by the ctest entry kamifuda_e2e_foreign_locale";
        ASSERT_TRUE(Start());
    }

    // A memo of the clipboard's text, from the tray menu.
    HWND MemoFromTheClipboard()
    {
        if (!OpenTrayMenu(program_))
            return nullptr;
        PressKeys({'P'});
        return WaitForMemo();
    }
};

TEST_F(ForeignLocaleClipboardTest, CopiedJapaneseMemoReadsRightAsUnicodeText)
{
    HWND memo = NewMemo(kShopping);
    ASSERT_NE(memo, nullptr);
    testclipboard::Empty();
    ASSERT_NE(RightClickText(memo), nullptr);
    ASSERT_TRUE(ChooseWithKeys({'C'}));
    EXPECT_TRUE(WaitUntil([] { return testclipboard::ReadUnicodeText() == L"買い物"; }));
    EXPECT_EQ(testclipboard::ReadText(), kShopping);
}

TEST_F(ForeignLocaleClipboardTest, JapaneseUnicodeTextPlacedAloneBecomesTheRightMemo)
{
    testclipboard::PutUnicodeText(L"買い物");
    ASSERT_NE(testclipboard::ReadText(), kShopping) << "the system converts right here: the case would show nothing";
    HWND memo = MemoFromTheClipboard();
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return CaptionOf(memo) == kShopping; })) << CaptionOf(memo);
}

TEST_F(ForeignLocaleClipboardTest, CodePageTextPlacedAloneBecomesTheRightMemo)
{
    testclipboard::PutText(kShopping);
    ASSERT_NE(testclipboard::ReadUnicodeText(), L"買い物")
        << "the system converts right here: the case would show nothing";
    HWND memo = MemoFromTheClipboard();
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return CaptionOf(memo) == kShopping; })) << CaptionOf(memo);
}

} // namespace
} // namespace e2e
