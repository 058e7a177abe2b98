#include "FileReplacement.h"

#include "SaveGenerations.h"
#include "base/UniqueHandle.h"

namespace {
DWORD ErrorOf(BOOL succeeded)
{
    return succeeded ? ERROR_SUCCESS : GetLastError();
}

DWORD WriteAll(HANDLE file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(bytes.size() - done);
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr))
            return GetLastError();
        if (written == 0)
            return ERROR_WRITE_FAULT;
        done += written;
    }
    return ERROR_SUCCESS;
}
}

FileResult WriteFileToDisk(const std::wstring& path, const std::string& bytes, RetryBudget budget)
{
    const DWORD error = RetryWhileFileIsHeld(budget, [&] {
        const base::UniqueFile file(
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return GetLastError();
        const DWORD writeError = WriteAll(file.Get(), bytes);
        return writeError != ERROR_SUCCESS ? writeError : ErrorOf(FlushFileBuffers(file.Get()));
    });
    return error == ERROR_SUCCESS ? FileResult::Success() : FileResult::Failure(path, error);
}

FileResult FlushFileToDisk(const std::wstring& path, RetryBudget budget)
{
    const DWORD error = RetryWhileFileIsHeld(budget, [&] {
        const base::UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
        return file ? ErrorOf(FlushFileBuffers(file.Get())) : GetLastError();
    });
    return error == ERROR_SUCCESS ? FileResult::Success() : FileResult::Failure(path, error);
}

FileResult MoveFileOver(const std::wstring& from, const std::wstring& to, RetryBudget budget)
{
    const DWORD error = RetryWhileFileIsHeld(budget, [&] {
        return ErrorOf(MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    });
    return error == ERROR_SUCCESS ? FileResult::Success() : FileResult::Failure(to, error);
}

FileResult ReplaceFileContent(const std::wstring& path, const std::string& bytes, RetryBudget budget)
{
    const std::wstring temporary = TemporaryName(path, 0);
    FileResult result = WriteFileToDisk(temporary, bytes, budget);
    if (result.Ok())
        result = MoveFileOver(temporary, path, budget);
    if (!result.Ok())
        DeleteFileIfPresent(temporary, budget);
    return result;
}

FileResult DeleteFileIfPresent(const std::wstring& path, RetryBudget budget)
{
    const DWORD error = RetryWhileFileIsHeld(budget, [&] {
        if (DeleteFileW(path.c_str()))
            return static_cast<DWORD>(ERROR_SUCCESS);
        const DWORD deleteError = GetLastError();
        const bool absent = deleteError == ERROR_FILE_NOT_FOUND || deleteError == ERROR_PATH_NOT_FOUND;
        return absent ? static_cast<DWORD>(ERROR_SUCCESS) : deleteError;
    });
    return error == ERROR_SUCCESS ? FileResult::Success() : FileResult::Failure(path, error);
}
