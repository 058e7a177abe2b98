#pragma once

#include "ChildProcess.h"
#include "ProgramNames.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <vector>

namespace e2e {

// A started program: its process and its main window (null if the window did not appear).
struct Instance {
    ChildProcess* process = nullptr;
    HWND mainWindow = nullptr;
};

// Each test gets its own copy of the built kamifuda.exe in a fresh folder, so the data files the
// program keeps beside itself start out absent. Every process a test starts is ended when the test
// ends, and the test fails if any kamifuda.exe is left running.
class KamifudaTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The name of the folder the program is copied into; a fixture may give it another.
    virtual std::filesystem::path ProgramFolderName() const { return L"program"; }

    // Where this test's copy of the program lies; its data files belong in the same folder.
    const std::filesystem::path& Program() const noexcept { return program_; }
    std::filesystem::path ProgramFolder() const { return program_.parent_path(); }

    // Starts one more process of this test's copy; it lives until the end of the test at most.
    ChildProcess& Launch(ChildProcess::Start start = ChildProcess::Start::Running);

    // The main window of a process, waiting until it appears; null if it does not.
    HWND WaitForMainWindow(const ChildProcess& process);

    // Starts the program and waits until its main window and its tray icon exist; the main window is
    // null if either does not appear.
    Instance StartProgram();

    // Opens the tray menu as a right-button press on the icon does and waits until it shows.
    // Returns the menu window, or null if no menu opened.
    static HWND OpenTrayMenu(const Instance& instance);

private:
    std::unique_ptr<TemporaryFolder> folder_;
    std::filesystem::path program_;
    std::deque<ChildProcess> processes_;
    std::vector<HWND> mainWindows_;
};

} // namespace e2e
