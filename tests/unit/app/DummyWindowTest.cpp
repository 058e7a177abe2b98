#include "Application.h"
#include "Clipboard.h"
#include "MenuItem.h"
#include "PopupMenu.h"
#include "TDummyWindow.h"
#include "Timer.h"

#include <gtest/gtest.h>

namespace {

void PutOnClipboard(UINT format, const void* data, size_t size)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    ASSERT_NE(nullptr, memory);
    memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    ui::ClipboardScope clipboard(ui::Application::Instance().Handle());
    EmptyClipboard();
    SetClipboardData(format, memory);
}

void EmptyTheClipboard()
{
    ui::ClipboardScope clipboard(ui::Application::Instance().Handle());
    EmptyClipboard();
}

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

TEST_F(DummyWindowTest, TrayMenuHasItsSixItemsInOrder)
{
    std::map<UINT, ui::MenuItem*> commands;
    ui::UniqueMenu menu = window.Get<ui::PopupMenu>("PopupMenu").BuildMenu(commands);
    const wchar_t* expected[] = {L"メモ追加(&N)...", L"クリップボードの内容をメモにする(&P)", nullptr,
                                 L"バージョン情報(&A)...", nullptr, L"Kamifudaの終了(&X)"};
    ASSERT_EQ(6, GetMenuItemCount(menu.Get()));
    for (int i = 0; i < 6; ++i) {
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
    PutOnClipboard(CF_TEXT, "memo", 5);
    window.UpdateTrayMenu();
    EXPECT_TRUE(item.Enabled());

    EmptyTheClipboard();
    window.UpdateTrayMenu();
    EXPECT_FALSE(item.Enabled());

    // Data that is not text: a private format only.
    const char bytes[4] = {1, 2, 3, 4};
    PutOnClipboard(RegisterClipboardFormatW(L"KamifudaTestData"), bytes, sizeof bytes);
    window.UpdateTrayMenu();
    EXPECT_FALSE(item.Enabled());

    // An empty text counts as no text.
    PutOnClipboard(CF_TEXT, "", 1);
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
