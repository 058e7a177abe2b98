#pragma once

#include "base/UniqueHandle.h"

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace e2e {

// A program started by a test. Whatever happens in the test, the process does not outlive this
// object: the destructor ends it if it still runs and waits until it is gone. Nor does it outlive
// a test program that crashes.
class ChildProcess {
public:
    enum class Start
    {
        Running,
        Suspended
    };

    // `arguments` follow the quoted program on its command line.
    ChildProcess(const std::filesystem::path& program, const std::filesystem::path& workingFolder,
                 Start start = Start::Running, const std::wstring& arguments = L"");
    ~ChildProcess();

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ChildProcess(ChildProcess&&) noexcept = default;
    ChildProcess& operator=(ChildProcess&&) noexcept = delete;

    DWORD Id() const noexcept { return id_; }
    void Resume();
    bool IsRunning() const;
    // True if the process ended within the timeout.
    bool WaitForExit(std::chrono::milliseconds timeout) const;
    // Empty while the process runs.
    std::optional<DWORD> ExitCode() const;
    void Terminate();

private:
    base::UniqueKernelHandle process_;
    base::UniqueKernelHandle thread_;
    DWORD id_ = 0;
};

} // namespace e2e
