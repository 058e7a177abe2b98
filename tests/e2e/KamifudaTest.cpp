#include "KamifudaTest.h"

#include "RunningProcesses.h"
#include "TrayIcon.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <array>

namespace e2e {

namespace {

// The built program, found from this test program's own location: the build passes the path
// from here to there, so it holds on Windows and under Wine alike.
std::filesystem::path BuiltProgram()
{
    std::array<wchar_t, MAX_PATH> self{};
    GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
    return (std::filesystem::path(self.data()).parent_path() / KAMIFUDA_E2E_PROGRAM).lexically_normal();
}

} // namespace

void KamifudaTest::SetUp()
{
    ASSERT_TRUE(RunningProcessesNamed(kProgramFileName).empty())
        << "a kamifuda.exe is already running; single-instance tests would meet it";
    const auto built = BuiltProgram();
    ASSERT_TRUE(std::filesystem::exists(built)) << built.string();

    folder_ = std::make_unique<TemporaryFolder>();
    // The program lies in a folder of its own, and runs with another current folder, so files it
    // puts in the current folder instead of beside itself would be noticed.
    const auto programFolder = folder_->Path() / ProgramFolderName();
    std::filesystem::create_directory(programFolder);
    program_ = programFolder / kProgramFileName;
    std::filesystem::copy_file(built, program_);
}

void KamifudaTest::TearDown()
{
    processes_.clear();
    // Wine drops the icon of a window that is gone a little later; wait, so the next test starts
    // with an empty tray.
    for (HWND window : mainWindows_) {
        EXPECT_TRUE(WaitUntil([window] { return !TrayIconExists(window); }))
            << "the tray icon of an ended instance stayed";
    }
    EXPECT_TRUE(RunningProcessesNamed(kProgramFileName).empty()) << "a kamifuda.exe outlived its test";
    folder_.reset();
}

ChildProcess& KamifudaTest::Launch(ChildProcess::Start start)
{
    return processes_.emplace_back(program_, folder_->Path(), start);
}

HWND KamifudaTest::WaitForMainWindow(const ChildProcess& process)
{
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : OfClass(TopLevelWindowsOfProcess(process.Id()), kMainWindowClass)) {
            if (CaptionOf(window) == kMainWindowCaption) {
                found = window;
            }
        }
        return found != nullptr || !process.IsRunning();
    });
    if (found != nullptr) {
        mainWindows_.push_back(found);
    }
    return found;
}

Instance KamifudaTest::StartProgram()
{
    ChildProcess& process = Launch();
    HWND window = WaitForMainWindow(process);
    if (window == nullptr || !WaitUntil([window] { return TrayIconExists(window); })) {
        return {&process, nullptr};
    }
    return {&process, window};
}

HWND KamifudaTest::OpenTrayMenu(const Instance& instance)
{
    PostTrayNotification(instance.mainWindow, WM_RBUTTONDOWN);
    return WaitForOpenMenu(instance.process->Id());
}

} // namespace e2e
