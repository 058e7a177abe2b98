#include "KeptFiles.h"

#include "FileReplacement.h"

#include <algorithm>
#include <cwchar>

namespace {
// Far more than one copy can keep within one second; a bound keeps a folder that refuses every
// name from looping for ever.
constexpr unsigned kMostAttempts = 100;

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::wstring> PathsOf(const std::vector<FileToKeep>& files, std::wstring_view kind, const SYSTEMTIME& time,
                                  unsigned attempt, const std::wstring& folder)
{
    std::vector<std::wstring> paths;
    for (const FileToKeep& file : files)
        paths.push_back(PathInFolder(folder, KeptFileName(file.dataFileName, kind, time, attempt)));
    return paths;
}

void DeleteAll(const std::vector<std::wstring>& paths, RetryBudget budget)
{
    for (const std::wstring& path : paths)
        DeleteFileIfPresent(path, budget);
}
}

std::wstring KeptFileName(std::wstring_view dataFileName, std::wstring_view kind, const SYSTEMTIME& time,
                          unsigned attempt)
{
    const std::size_t dot = std::min(dataFileName.rfind(L'.'), dataFileName.size());
    const std::wstring_view stem = dataFileName.substr(0, dot);
    const std::wstring_view extension = dataFileName.substr(dot);
    wchar_t stamp[32];
    std::swprintf(stamp, sizeof stamp / sizeof stamp[0], L"%04u%02u%02u-%02u%02u%02u", time.wYear, time.wMonth,
                  time.wDay, time.wHour, time.wMinute, time.wSecond);
    std::wstring name = std::wstring(stem) + L"." + std::wstring(kind) + L"-" + stamp;
    if (attempt > 1)
        name += L"-" + std::to_wstring(attempt);
    return name + std::wstring(extension);
}

KeptFiles KeepFiles(const std::vector<FileToKeep>& files, std::wstring_view kind, const SYSTEMTIME& time,
                    const std::wstring& folder, RetryBudget budget)
{
    for (unsigned attempt = 1; attempt <= kMostAttempts; ++attempt) {
        const std::vector<std::wstring> paths = PathsOf(files, kind, time, attempt, folder);
        if (std::any_of(paths.begin(), paths.end(), Exists))
            continue;
        for (std::size_t i = 0; i < files.size(); ++i) {
            const FileResult result = WriteFileToDisk(paths[i], *files[i].bytes, budget);
            if (!result.Ok()) {
                DeleteAll(paths, budget);
                return {result, {}};
            }
        }
        return {FileResult::Success(), paths};
    }
    return {FileResult::Failure(PathsOf(files, kind, time, 1, folder).front(), ERROR_FILE_EXISTS), {}};
}
