#include "ChildProcess.h"

#include "Wait.h"

#include <stdexcept>
#include <string>

namespace e2e {

namespace {
// Exit code given to a process that a test ends by force, so it cannot pass for a clean exit (0).
constexpr UINT kTerminatedExitCode = 0xDEAD;
constexpr DWORD kTerminateWaitMs = 10000;
} // namespace

ChildProcess::ChildProcess(const std::filesystem::path& program, const std::filesystem::path& workingFolder,
                           Start start)
{
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const DWORD flags = start == Start::Suspended ? CREATE_SUSPENDED : 0;
    if (!CreateProcessW(program.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr,
                        workingFolder.wstring().c_str(), &startup, &info)) {
        throw std::runtime_error("CreateProcessW failed for " + program.string() + ": error " +
                                 std::to_string(GetLastError()));
    }
    process_ = UniqueHandle(info.hProcess);
    thread_ = UniqueHandle(info.hThread);
    id_ = info.dwProcessId;
}

ChildProcess::~ChildProcess()
{
    if (process_) {
        Terminate();
    }
}

void ChildProcess::Resume()
{
    ResumeThread(thread_.get());
}

bool ChildProcess::IsRunning() const
{
    return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(std::chrono::milliseconds timeout) const
{
    return WaitUntil([this] { return !IsRunning(); }, timeout);
}

std::optional<DWORD> ChildProcess::ExitCode() const
{
    if (IsRunning()) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

void ChildProcess::Terminate()
{
    if (IsRunning()) {
        TerminateProcess(process_.get(), kTerminatedExitCode);
    }
    WaitForSingleObject(process_.get(), kTerminateWaitMs);
}

} // namespace e2e
