// The tray menu driven from outside with notifications and keys, as a person drives it.
#include "Input.h"
#include "KamifudaTest.h"
#include "TrayIcon.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <ostream>
#include <string>
#include <vector>

namespace e2e {
namespace {

struct KeysToExit {
    std::string name;
    std::vector<WORD> keys;

    friend void PrintTo(const KeysToExit& keys, std::ostream* out) { *out << keys.name; }
};

class TrayMenuExitTest : public KamifudaTest, public testing::WithParamInterface<KeysToExit> {};

TEST_P(TrayMenuExitTest, ExitItemEndsTheProgramWithCodeZero)
{
    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr);
    ASSERT_NE(OpenTrayMenu(program), nullptr) << "the tray menu did not open";

    PressKeys(GetParam().keys);

    ASSERT_TRUE(program.process->WaitForExit(kDefaultTimeout)) << "the program did not end";
    EXPECT_EQ(program.process->ExitCode(), 0u);
    // Nothing is checked of the tray icon: the program leaves it in place, and the shell drops it
    // with the window.
}

INSTANTIATE_TEST_SUITE_P(Keys, TrayMenuExitTest,
                         testing::Values(
                             // From no selection, Up wraps round to the last item, the exit item.
                             KeysToExit{"UpToTheLastItemThenEnter", {VK_UP, VK_RETURN}},
                             KeysToExit{"ItsAcceleratorX", {'X'}}),
                         [](const testing::TestParamInfo<KeysToExit>& info) { return info.param.name; });

TEST_F(KamifudaTest, EscapeClosesTheTrayMenuAndTheProgramRunsOn)
{
    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr);
    ASSERT_NE(OpenTrayMenu(program), nullptr);

    PressKeys({VK_ESCAPE});

    EXPECT_TRUE(WaitUntil([&] { return OpenPopupMenuOf(program.process->Id()) == nullptr; }));
    EXPECT_TRUE(program.process->IsRunning());
    EXPECT_TRUE(TrayIconExists(program.mainWindow));
    // The menu opens again after being dismissed.
    ASSERT_NE(OpenTrayMenu(program), nullptr);
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return OpenPopupMenuOf(program.process->Id()) == nullptr; }));
}

// The notification is sent, not posted: it returns once handled, and a handler that opened the
// (modal) menu would not return, so "returned and no menu" shows the notification was ignored.
TEST_F(KamifudaTest, OnlyARightButtonPressOnIconOneOpensTheMenu)
{
    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr);

    struct Notification {
        UINT mouseMessage;
        UINT iconId;
    };
    for (const Notification ignored :
         {Notification{WM_RBUTTONUP, kTrayIconId}, Notification{WM_LBUTTONDOWN, kTrayIconId},
          Notification{WM_LBUTTONUP, kTrayIconId}, Notification{WM_MOUSEMOVE, kTrayIconId},
          Notification{WM_RBUTTONDOWN, kTrayIconId + 1}}) {
        SCOPED_TRACE("mouse message " + std::to_string(ignored.mouseMessage) + ", icon " +
                     std::to_string(ignored.iconId));
        EXPECT_TRUE(SendTrayNotification(program.mainWindow, ignored.mouseMessage, ignored.iconId));
        EXPECT_EQ(OpenPopupMenuOf(program.process->Id()), nullptr);
        // Close a menu opened by mistake, so the next case starts clean.
        if (OpenPopupMenuOf(program.process->Id()) != nullptr) {
            PressKeys({VK_ESCAPE});
            WaitUntil([&] { return OpenPopupMenuOf(program.process->Id()) == nullptr; });
        }
    }
    EXPECT_TRUE(program.process->IsRunning());
}

} // namespace
} // namespace e2e
