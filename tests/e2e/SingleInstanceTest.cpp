// Only one instance runs: later starts find the first and end at once.
#include "FakeMainWindow.h"
#include "KamifudaTest.h"
#include "TrayIcon.h"
#include "Wait.h"
#include "WindowCreationWatch.h"
#include "WindowQuery.h"

#include <algorithm>
#include <chrono>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace e2e {
namespace {

// A start that finds a running instance ends within this time (a bound on behaviour, not a speed
// figure: a start that lingers would, for instance, be waiting for something that never comes).
constexpr std::chrono::milliseconds kRefusedStartBound{2000};

std::string Joined(const std::vector<std::string>& names)
{
    std::ostringstream joined;
    for (const auto& name : names) {
        joined << (name.empty() ? "(gone)" : name) << "; ";
    }
    return joined.str();
}

// Starts the program suspended, watches it from its first instruction and lets it run until it ends.
// Returns the classes of the windows it created; the process has ended if its ExitCode is set.
std::vector<std::string> RunRefusedStart(ChildProcess& start)
{
    WindowCreationWatch watch(start.Id());
    start.Resume();
    start.WaitForExit(kRefusedStartBound);
    PumpMessages();
    return watch.CreatedClasses();
}

// Runs a start that must be refused: it ends by itself within two seconds, with code zero, having
// created no window.
void ExpectRefused(ChildProcess& start)
{
    const auto created = RunRefusedStart(start);
    EXPECT_FALSE(start.IsRunning()) << "the start still runs after two seconds";
    ASSERT_TRUE(start.WaitForExit(kDefaultTimeout));
    EXPECT_EQ(start.ExitCode(), 0u);
    EXPECT_TRUE(created.empty()) << "the refused start created windows: " << Joined(created);
}

TEST_F(KamifudaTest, SecondStartEndsWithCodeZeroWithinTwoSecondsAndCreatesNothing)
{
    const Instance first = StartProgram();
    ASSERT_NE(first.mainWindow, nullptr);
    const auto iconsBefore = WineTrayIconWindows().size();

    ASSERT_NO_FATAL_FAILURE(ExpectRefused(Launch(ChildProcess::Start::Suspended)));
    EXPECT_EQ(WineTrayIconWindows().size(), iconsBefore);
    EXPECT_EQ(TopLevelWindowsNamed(kMainWindowClass, kMainWindowCaption).size(), 1u);
    EXPECT_TRUE(first.process->IsRunning());
    EXPECT_TRUE(TrayIconExists(first.mainWindow));
}

// The parameter is the number of starts at the same moment.
class SimultaneousStartsTest : public KamifudaTest, public testing::WithParamInterface<int> {};

TEST_P(SimultaneousStartsTest, LeaveExactlyOneInstance)
{
    const int simultaneousStarts = GetParam();
    std::vector<ChildProcess*> starts;
    for (int i = 0; i < simultaneousStarts; ++i) {
        starts.push_back(&Launch(ChildProcess::Start::Suspended));
    }
    for (ChildProcess* start : starts) {
        start->Resume();
    }

    const auto ended = [&] {
        return std::count_if(starts.begin(), starts.end(), [](ChildProcess* start) { return !start->IsRunning(); });
    };
    ASSERT_TRUE(WaitUntil([&] { return ended() >= simultaneousStarts - 1; }))
        << ended() << " of " << simultaneousStarts << " starts ended";

    const auto survivor =
        std::find_if(starts.begin(), starts.end(), [](ChildProcess* start) { return start->IsRunning(); });
    ASSERT_NE(survivor, starts.end()) << "no instance is left running";
    HWND mainWindow = WaitForMainWindow(**survivor);
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return TrayIconExists(mainWindow); }));
    EXPECT_EQ(TopLevelWindowsNamed(kMainWindowClass, kMainWindowCaption).size(), 1u);
    EXPECT_EQ(WineTrayIconWindows().size(), 1u);
    for (ChildProcess* start : starts) {
        if (start != *survivor) {
            EXPECT_EQ(start->ExitCode(), 0u);
        }
    }
    EXPECT_TRUE((*survivor)->IsRunning());
}

INSTANTIATE_TEST_SUITE_P(Starts, SimultaneousStartsTest, testing::Values(10, 20),
                         [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

// The running instance is recognised by its window alone, whoever made it.
TEST_F(KamifudaTest, AWindowOfTheClassAndCaptionMadeByAnotherProgramStopsTheStart)
{
    FakeMainWindow fake(kMainWindowClass, kMainWindowCaption);

    ASSERT_NO_FATAL_FAILURE(ExpectRefused(Launch(ChildProcess::Start::Suspended)));
    EXPECT_TRUE(WineTrayIconWindows().empty());
}

struct NearMiss {
    std::string name;
    std::string className;
    std::string caption;

    friend void PrintTo(const NearMiss& nearMiss, std::ostream* out) { *out << nearMiss.name; }
};

class NearMissWindowTest : public KamifudaTest, public testing::WithParamInterface<NearMiss> {};

TEST_P(NearMissWindowTest, AWindowThatDiffersInClassOrCaptionDoesNotStopTheStart)
{
    FakeMainWindow fake(GetParam().className, GetParam().caption);

    ChildProcess& start = Launch();

    EXPECT_NE(WaitForMainWindow(start), nullptr);
    EXPECT_TRUE(start.IsRunning());
}

INSTANTIATE_TEST_SUITE_P(Windows, NearMissWindowTest,
                         testing::Values(NearMiss{"AnotherCaption", kMainWindowClass, "Kamifuda memo"},
                                         NearMiss{"AnotherClass", "TDummyWindow2", kMainWindowCaption}),
                         [](const testing::TestParamInfo<NearMiss>& info) { return info.param.name; });

} // namespace
} // namespace e2e
