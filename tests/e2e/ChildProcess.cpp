#include "ChildProcess.h"

#include "Wait.h"

#include <stdexcept>
#include <string>

namespace e2e {

namespace {
// Exit code given to a process that a test ends by force, so it cannot pass for a clean exit (0).
constexpr UINT kTerminatedExitCode = 0xDEAD;
constexpr DWORD kTerminateWaitMs = 10000;

// Every started program belongs to this job, which the system closes when the test program ends,
// also by a crash: the job then ends the programs too. (Under Wine a test program killed by a Unix
// signal, as by a ctest timeout, leaves them running; tools/test ends its Wine server at the end.)
HANDLE KillOnCloseJob()
{
    static const HANDLE job = [] {
        HANDLE created = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        return created;
    }();
    return job;
}
} // namespace

ChildProcess::ChildProcess(const std::filesystem::path& program, const std::filesystem::path& workingFolder,
                           Start start, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + program.wstring() + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Always created suspended, so it is in the job before it runs a single instruction.
    if (!CreateProcessW(program.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                        nullptr, workingFolder.wstring().c_str(), &startup, &info)) {
        throw std::runtime_error("CreateProcessW failed for " + program.string() + ": error " +
                                 std::to_string(GetLastError()));
    }
    process_ = base::UniqueKernelHandle(info.hProcess);
    thread_ = base::UniqueKernelHandle(info.hThread);
    id_ = info.dwProcessId;
    AssignProcessToJobObject(KillOnCloseJob(), process_.Get());
    if (start == Start::Running) {
        Resume();
    }
}

ChildProcess::~ChildProcess()
{
    if (process_) {
        Terminate();
    }
}

void ChildProcess::Resume()
{
    ResumeThread(thread_.Get());
}

bool ChildProcess::IsRunning() const
{
    return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
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
    GetExitCodeProcess(process_.Get(), &code);
    return code;
}

void ChildProcess::Terminate()
{
    if (IsRunning()) {
        TerminateProcess(process_.Get(), kTerminatedExitCode);
    }
    WaitForSingleObject(process_.Get(), kTerminateWaitMs);
}

} // namespace e2e
