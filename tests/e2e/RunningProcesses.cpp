#include "RunningProcesses.h"

#include "base/UniqueHandle.h"

#include <tlhelp32.h>

namespace e2e {

std::vector<DWORD> RunningProcessesNamed(const std::wstring& executableName)
{
    std::vector<DWORD> ids;
    base::UniqueHandle<base::InvalidValueHandleTraits<CloseHandle>> snapshot(
        CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return ids;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        if (lstrcmpiW(entry.szExeFile, executableName.c_str()) == 0) {
            ids.push_back(entry.th32ProcessID);
        }
    }
    return ids;
}

} // namespace e2e
