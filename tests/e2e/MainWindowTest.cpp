// The main window as other programs see it: the one window a second start looks for.
#include "KamifudaTest.h"
#include "WindowQuery.h"

#include <sstream>
#include <string>

namespace e2e {
namespace {

RECT VirtualScreen()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::string Describe(const RECT& rect)
{
    std::ostringstream text;
    text << '(' << rect.left << ", " << rect.top << ") - (" << rect.right << ", " << rect.bottom << ')';
    return text.str();
}

TEST_F(KamifudaTest, StartCreatesExactlyOneMainWindowWithTheClassAndCaption)
{
    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr) << "no window of class TDummyWindow captioned Kamifuda appeared";

    EXPECT_EQ(OfClass(TopLevelWindowsOfProcess(program.process->Id()), kMainWindowClass).size(), 1u);
    EXPECT_EQ(TopLevelWindowsNamed(kMainWindowClass, kMainWindowCaption).size(), 1u);
    EXPECT_EQ(FindWindowA(kMainWindowClass, kMainWindowCaption), program.mainWindow);
}

TEST_F(KamifudaTest, MainWindowLiesWhollyOutsideEveryScreen)
{
    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr);

    RECT window{};
    ASSERT_TRUE(GetWindowRect(program.mainWindow, &window));
    const RECT screen = VirtualScreen();
    RECT overlap{};
    EXPECT_FALSE(IntersectRect(&overlap, &window, &screen))
        << "window " << Describe(window) << " overlaps the screen " << Describe(screen);
}

TEST_F(KamifudaTest, MainWindowIsAToolWindowSoItHasNoTaskBarButton)
{
    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr);

    const auto extendedStyle = static_cast<DWORD>(GetWindowLongW(program.mainWindow, GWL_EXSTYLE));
    EXPECT_NE(extendedStyle & WS_EX_TOOLWINDOW, 0u);
    EXPECT_EQ(extendedStyle & WS_EX_APPWINDOW, 0u);
}

} // namespace
} // namespace e2e
