#include "ConflictFiles.h"

#include "FileReplacement.h"

#include <cwchar>

namespace {
// Far more than one copy can find within one second; a bound keeps a folder that refuses every
// name from looping for ever.
constexpr unsigned kMostAttempts = 100;

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
}

ConflictNames ConflictNamesAt(const SYSTEMTIME& time, unsigned attempt)
{
    wchar_t stamp[32];
    std::swprintf(stamp, sizeof stamp / sizeof stamp[0], L"%04u%02u%02u-%02u%02u%02u", time.wYear, time.wMonth,
                  time.wDay, time.wHour, time.wMinute, time.wSecond);
    std::wstring middle = std::wstring(L".conflict-") + stamp;
    if (attempt > 1)
        middle += L"-" + std::to_wstring(attempt);
    return {L"memo" + middle + L".txt", L"info" + middle + L".ini"};
}

KeptConflict KeepConflictFiles(const OtherPair& pair, const SYSTEMTIME& time, const std::wstring& folder,
                               RetryBudget budget)
{
    for (unsigned attempt = 1; attempt <= kMostAttempts; ++attempt) {
        const ConflictNames names = ConflictNamesAt(time, attempt);
        const ConflictNames paths{PathInFolder(folder, names.memo), PathInFolder(folder, names.info)};
        if (Exists(paths.memo) || Exists(paths.info))
            continue;
        FileResult result = WriteFileToDisk(paths.memo, pair.memoBytes, budget);
        if (result.Ok())
            result = WriteFileToDisk(paths.info, pair.infoBytes, budget);
        if (!result.Ok()) {
            DeleteFileIfPresent(paths.info, budget);
            DeleteFileIfPresent(paths.memo, budget);
            return {result, {}};
        }
        return {FileResult::Success(), paths};
    }
    return {FileResult::Failure(PathInFolder(folder, ConflictNamesAt(time).memo), ERROR_FILE_EXISTS), {}};
}
