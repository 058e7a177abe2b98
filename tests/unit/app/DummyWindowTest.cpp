#include "Application.h"
#include "MenuItem.h"
#include "PopupMenu.h"
#include "TDummyWindow.h"
#include "TestClipboard.h"
#include "Timer.h"
#include "base/ModuleFileName.h"
#include "base/WideText.h"
#include "store/CWindowInfo.h"
#include "store/MemoSaver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

class DummyWindowTest : public testing::Test {
protected:
    TDummyWindow window;
};

} // namespace

TEST_F(DummyWindowTest, IsTheOffScreenToolWindowASecondStartLooksFor)
{
    EXPECT_EQ(window.Handle(), FindWindowA("TDummyWindow", "Kamifuda"));
    RECT r{};
    GetWindowRect(window.Handle(), &r);
    EXPECT_EQ(-10000, r.left);
    EXPECT_EQ(-10000, r.top);
    EXPECT_EQ(WS_EX_TOOLWINDOW, GetWindowLongW(window.Handle(), GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE);
    EXPECT_TRUE(GetWindowLongW(window.Handle(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(WS_EX_TOOLWINDOW, GetWindowLongW(ui::Application::Instance().Handle(), GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE);
    EXPECT_EQ(&window, ui::Application::Instance().MainForm());
}

TEST_F(DummyWindowTest, TrayMenuHasItsEightItemsInOrder)
{
    std::map<UINT, ui::MenuItem*> commands;
    ui::UniqueMenu menu = window.Get<ui::PopupMenu>("PopupMenu").BuildMenu(commands);
    const wchar_t* expected[] = {L"メモ追加(&N)...",
                                 L"クリップボードの内容をメモにする(&P)",
                                 L"削除したメモを戻す(&R)",
                                 L"メモをすべて前面に表示(&F)",
                                 nullptr,
                                 L"バージョン情報(&A)...",
                                 nullptr,
                                 L"Kamifudaの終了(&X)"};
    ASSERT_EQ(8, GetMenuItemCount(menu.Get()));
    for (int i = 0; i < 8; ++i) {
        if (!expected[i]) {
            EXPECT_TRUE(GetMenuState(menu.Get(), i, MF_BYPOSITION) & MF_SEPARATOR) << i;
            continue;
        }
        wchar_t text[100] = {};
        GetMenuStringW(menu.Get(), i, text, 100, MF_BYPOSITION);
        EXPECT_STREQ(expected[i], text);
    }
}

// The deleted memos beside the test program, as the program keeps them beside itself, and those
// deleted since the last save; all gone again at the end.
class RestoreMenuTest : public DummyWindowTest {
protected:
    RestoreMenuTest() { Clear(); }
    ~RestoreMenuTest() override { Clear(); }

    static void Clear()
    {
        DeleteFileW(BesideTheProgram(L"memo.deleted.txt").c_str());
        DeleteFileW(BesideTheProgram(L"info.deleted.ini").c_str());
        GetMemoSaver().deleted = {};
    }

    static std::wstring BesideTheProgram(const std::wstring& name)
    {
        std::wstring path = base::ModuleFileName(nullptr);
        return path.substr(0, path.find_last_of(L'\\') + 1) + name;
    }

    static void WriteBeside(const std::wstring& name, const std::string& bytes)
    {
        std::ofstream(std::filesystem::path(BesideTheProgram(name)), std::ios::binary) << bytes;
    }

    // The submenu as the tray shows it: captions and whether the item is greyed.
    std::vector<std::wstring> SubmenuCaptions(bool& greyed)
    {
        window.UpdateTrayMenu();
        std::map<UINT, ui::MenuItem*> commands;
        ui::UniqueMenu menu = window.Get<ui::PopupMenu>("PopupMenu").BuildMenu(commands);
        greyed = (GetMenuState(menu.Get(), 2, MF_BYPOSITION) & MF_GRAYED) != 0;
        std::vector<std::wstring> captions;
        HMENU sub = GetSubMenu(menu.Get(), 2);
        for (int i = 0; sub && i < GetMenuItemCount(sub); ++i) {
            wchar_t text[200] = {};
            GetMenuStringW(sub, i, text, 200, MF_BYPOSITION);
            captions.emplace_back(text);
        }
        return captions;
    }
};

TEST_F(RestoreMenuTest, NothingDeletedGreysTheItem)
{
    bool greyed = false;
    EXPECT_TRUE(SubmenuCaptions(greyed).empty());
    EXPECT_TRUE(greyed);
}

TEST_F(RestoreMenuTest, TheTenNewestAreOfferedNewestFirstByTheirFirstLines)
{
    // Shift_JIS: 31 characters, one too many.
    const std::string longLine = base::WideToAnsi(L"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほま");
    std::string texts = longLine + "\\nsecond line\r\n";
    std::string info = "[ROOT]\r\ninfo#size#UINT=c\r\n";
    for (int i = 1; i < 12; ++i)
        texts += "disk " + std::to_string(i) + "\r\n";
    for (int i = 0; i < 12; ++i)
        for (const char* key : {"Color", "Left", "Top", "Width", "Height"})
            info += "info#" + std::to_string(i) + "#" + key + "#INT=" + std::to_string(10 + i) + "\r\n";
    WriteBeside(L"memo.deleted.txt", texts);
    WriteBeside(L"info.deleted.ini", info);
    // Deleted since the last save: the later one first.
    GetMemoSaver().deleted.Add("older pending", CWindowInfo(1, 2, 100, 40, 0));
    GetMemoSaver().deleted.Add("Tom & Jerry\tdone\r\nsecond line", CWindowInfo(1, 2, 100, 40, 0));

    bool greyed = true;
    const std::vector<std::wstring> captions = SubmenuCaptions(greyed);
    EXPECT_FALSE(greyed);
    // No automatic accelerator: "disk 1" stays as it is, not "&disk 1".
    const std::vector<std::wstring> expected{L"Tom && Jerry done",
                                             L"older pending",
                                             L"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ…",
                                             L"disk 1",
                                             L"disk 2",
                                             L"disk 3",
                                             L"disk 4",
                                             L"disk 5",
                                             L"disk 6",
                                             L"disk 7"};
    EXPECT_EQ(captions, expected);
}

TEST_F(DummyWindowTest, ClipboardItemIsEnabledExactlyWhileTheClipboardHoldsText)
{
    auto& item = window.Get<ui::MenuItem>("miFromClipBoard");
    testclipboard::PutText("memo");
    window.UpdateTrayMenu();
    EXPECT_TRUE(item.Enabled());

    // Unicode text alone, as a Unicode program places it.
    testclipboard::PutUnicodeText(L"買い物");
    window.UpdateTrayMenu();
    EXPECT_TRUE(item.Enabled());

    testclipboard::Empty();
    window.UpdateTrayMenu();
    EXPECT_FALSE(item.Enabled());

    // Data that is not text: a private format only.
    testclipboard::Put(testclipboard::PrivateFormat(), "\x01\x02\x03\x04");
    window.UpdateTrayMenu();
    EXPECT_FALSE(item.Enabled());

    // An empty text counts as no text, also when the other form, placed after it, holds one.
    testclipboard::PutText("");
    window.UpdateTrayMenu();
    EXPECT_FALSE(item.Enabled());
    testclipboard::PutInOrder(
        {{CF_UNICODETEXT, testclipboard::TextBytes(L"")}, {CF_TEXT, testclipboard::TextBytes("memo")}});
    window.UpdateTrayMenu();
    EXPECT_FALSE(item.Enabled());
}

TEST_F(DummyWindowTest, ExitCommandTurnsTheTimerOffAndEndsTheLoop)
{
    auto& exit = window.Get<ui::MenuItem>("miMenuEnd");
    exit.Click();
    EXPECT_FALSE(window.Get<ui::Timer>("Timer").Enabled());
    EXPECT_TRUE(ui::Application::Instance().Terminated());
}
