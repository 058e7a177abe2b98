// The About dialog opened from the tray menu, looked at from outside.
#include "AboutDialog.h"
#include "Input.h"
#include "KamifudaTest.h"
#include "MemoWindowQuery.h"
#include "Wait.h"

namespace e2e {
namespace {

TEST_F(KamifudaTest, AboutFromTheTrayMenuShowsTheProgramsOwnProductVersion)
{
    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr);
    ASSERT_NE(OpenTrayMenu(program), nullptr);
    HWND about = ChooseAboutInTrayMenu(program.process->Id());
    ASSERT_NE(about, nullptr) << "the About dialog did not open";
    EXPECT_EQ(L"Kamifudaのバージョン情報", WideCaptionOf(about));
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(278, client.right);
    EXPECT_EQ(121, client.bottom);
    EXPECT_EQ(program.mainWindow, GetWindow(about, GW_OWNER));

    EXPECT_TRUE(AboutDialogShows(about, ExpectedVersionLine(Program())))
        << "no control shows the line for the program's product version";

    // OK is the default button: Enter closes the dialog, and the program runs on.
    PressKeys({VK_RETURN});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); })) << "the dialog was not closed and destroyed";
    EXPECT_TRUE(program.process->IsRunning());
    // The dialog is built anew each time.
    ASSERT_NE(OpenTrayMenu(program), nullptr);
    HWND again = ChooseAboutInTrayMenu(program.process->Id());
    ASSERT_NE(again, nullptr);
    // The close box of its frame closes it too.
    PostMessageW(again, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(again); })) << "the close box did not close the dialog";
    EXPECT_TRUE(program.process->IsRunning());
}

} // namespace
} // namespace e2e
