// The tray icon as the shell holds it, and the way the shell's notifications reach the program.
#include "TrayIcon.h"
#include "Input.h"
#include "KamifudaTest.h"
#include "Wait.h"
#include "WindowQuery.h"

namespace e2e {
namespace {

POINT CentreOf(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST_F(KamifudaTest, TrayIconOneExistsWhileTheProgramRunsAndGoesWithIt)
{
    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr) << "main window or tray icon missing";

    EXPECT_TRUE(TrayIconExists(program.mainWindow, kTrayIconId));
    EXPECT_FALSE(TrayIconExists(program.mainWindow, kTrayIconId + 1));
    EXPECT_EQ(WineTrayIconWindows().size(), 1u);

    program.process->Terminate();
    EXPECT_TRUE(WaitUntil([&] { return !TrayIconExists(program.mainWindow); }));
    EXPECT_TRUE(WineTrayIconWindows().empty());
}

// Without its icon a user with no memos could not reach the program at all.
TEST_F(KamifudaTest, TrayIconComesBackWhenTheShellRestarts)
{
    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr);
    RemoveTrayIcon(program.mainWindow);
    ASSERT_FALSE(TrayIconExists(program.mainWindow));

    PostTaskbarCreated(program.mainWindow);

    EXPECT_TRUE(WaitUntil([&] { return TrayIconExists(program.mainWindow); }));
    EXPECT_EQ(WineTrayIconWindows().size(), 1u);
}

// A real right click on the icon in Wine's tray: the shell calls back with the icon's id and callback
// message, and only the pair (1, 0x0401) opens the program's menu.
TEST_F(KamifudaTest, RightClickOnTheTrayIconOpensTheTrayMenu)
{
    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr);
    const auto icons = WineTrayIconWindows();
    ASSERT_EQ(icons.size(), 1u);

    ClickAt(CentreOf(icons.front()), MouseButton::Right);
    ASSERT_TRUE(WaitUntil([&] { return OpenPopupMenuOf(program.process->Id()) != nullptr; }));

    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return OpenPopupMenuOf(program.process->Id()) == nullptr; }));
    EXPECT_TRUE(program.process->IsRunning()) << "dismissing the menu must not end the program";
}

} // namespace
} // namespace e2e
