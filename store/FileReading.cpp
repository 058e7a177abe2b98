#include "FileReading.h"

#include "base/UniqueHandle.h"

#include <limits>

namespace {
DWORD ReadWholeFile(HANDLE file, std::string& content)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size))
        return GetLastError();
    if (size.QuadPart > std::numeric_limits<int>::max())
        return ERROR_FILE_TOO_LARGE;
    content.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < content.size()) {
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(content.size() - done);
        if (!ReadFile(file, content.data() + done, chunk, &read, nullptr))
            return GetLastError();
        if (read == 0)
            break; // the file shrank meanwhile: keep what is there
        done += read;
    }
    content.resize(done);
    return ERROR_SUCCESS;
}
}

DWORD UseFileForReading(const std::wstring& path, RetryBudget budget, const std::function<DWORD(HANDLE)>& use)
{
    return RetryWhileFileIsHeld(budget, [&] {
        const base::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        return file ? use(file.Get()) : GetLastError();
    });
}

FileResult ReadFileFromDisk(const std::wstring& path, std::string& bytes, RetryBudget budget)
{
    const DWORD error = UseFileForReading(path, budget, [&](HANDLE file) { return ReadWholeFile(file, bytes); });
    if (error != ERROR_SUCCESS)
        bytes.clear();
    return error == ERROR_SUCCESS ? FileResult::Success() : FileResult::Failure(path, error);
}
