#include "Application.h"
#include "MenuItem.h"
#include "PopupMenu.h"
#include "TDummyWindow.h"
#include "TestClipboard.h"
#include "Timer.h"

#include <gtest/gtest.h>

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

TEST_F(DummyWindowTest, TrayMenuHasItsSevenItemsInOrder)
{
    std::map<UINT, ui::MenuItem*> commands;
    ui::UniqueMenu menu = window.Get<ui::PopupMenu>("PopupMenu").BuildMenu(commands);
    const wchar_t* expected[] = {L"メモ追加(&N)...",
                                 L"クリップボードの内容をメモにする(&P)",
                                 L"メモをすべて前面に表示(&F)",
                                 nullptr,
                                 L"バージョン情報(&A)...",
                                 nullptr,
                                 L"Kamifudaの終了(&X)"};
    ASSERT_EQ(7, GetMenuItemCount(menu.Get()));
    for (int i = 0; i < 7; ++i) {
        if (!expected[i]) {
            EXPECT_TRUE(GetMenuState(menu.Get(), i, MF_BYPOSITION) & MF_SEPARATOR) << i;
            continue;
        }
        wchar_t text[100] = {};
        GetMenuStringW(menu.Get(), i, text, 100, MF_BYPOSITION);
        EXPECT_STREQ(expected[i], text);
    }
}

TEST_F(DummyWindowTest, ClipboardItemIsEnabledExactlyWhileTheClipboardHoldsText)
{
    auto& item = window.Get<ui::MenuItem>("miFromClipBoard");
    testclipboard::PutText("memo");
    window.UpdateTrayMenu();
    EXPECT_TRUE(item.Enabled());

    testclipboard::Empty();
    window.UpdateTrayMenu();
    EXPECT_FALSE(item.Enabled());

    // Data that is not text: a private format only.
    testclipboard::Put(testclipboard::PrivateFormat(), "\x01\x02\x03\x04");
    window.UpdateTrayMenu();
    EXPECT_FALSE(item.Enabled());

    // An empty text counts as no text.
    testclipboard::PutText("");
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
