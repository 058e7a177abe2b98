#include "DailyPairs.h"

#include "FileReading.h"
#include "FileReplacement.h"
#include "base/UniqueHandle.h"

#include <algorithm>
#include <cwchar>
#include <optional>
#include <set>

namespace {
constexpr std::size_t kStampLength = 8;

struct DayFile {
    const wchar_t* prefix;
    const wchar_t* extension;
    const wchar_t* source;
};
constexpr DayFile kDayFiles[] = {{L"memo-", L".txt", kMemoFileName}, {L"info-", L".ini", kInfoFileName}};

// The day of a kept file's name; none for any other name.
std::optional<std::wstring> DayOf(const std::wstring& name)
{
    for (const DayFile& file : kDayFiles) {
        const std::wstring prefix = file.prefix;
        const std::wstring extension = file.extension;
        if (name.size() != prefix.size() + kStampLength + extension.size() ||
            name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(prefix.size() + kStampLength, extension.size(), extension) != 0)
            continue;
        const std::wstring stamp = name.substr(prefix.size(), kStampLength);
        if (std::all_of(stamp.begin(), stamp.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
            return stamp;
    }
    return std::nullopt;
}

std::vector<std::wstring> ListFolder(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const base::UniqueFileSearch search(FindFirstFileW(PathInFolder(folder, L"*").c_str(), &found));
    if (!search)
        return names;
    do
        names.emplace_back(found.cFileName);
    while (FindNextFileW(search.Get(), &found));
    return names;
}

// Writes the copy under a temporary name and moves it into place only when the name is free, so
// a day's file is never replaced and never seen half written.
bool CopyOnce(const std::wstring& source, const std::wstring& target)
{
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    std::string bytes;
    const FileResult read = ReadFileFromDisk(source, bytes, kTryOnce);
    if (!read.Ok())
        return read.Error() == ERROR_FILE_NOT_FOUND;
    const std::wstring temporary = target + L".tmp";
    if (!WriteFileToDisk(temporary, bytes, kTryOnce).Ok()) {
        DeleteFileIfPresent(temporary, kTryOnce);
        return false;
    }
    const bool moved = MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    if (!moved)
        DeleteFileIfPresent(temporary, kTryOnce);
    return moved || GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
}
}

std::wstring DayStamp(const SYSTEMTIME& day)
{
    wchar_t stamp[16];
    std::swprintf(stamp, sizeof stamp / sizeof stamp[0], L"%04u%02u%02u", day.wYear, day.wMonth, day.wDay);
    return stamp;
}

std::vector<std::wstring> NamesOfOldDays(const std::vector<std::wstring>& names)
{
    std::set<std::wstring, std::greater<>> days;
    for (const std::wstring& name : names)
        if (const auto day = DayOf(name))
            days.insert(*day);
    if (days.size() <= kDaysKept)
        return {};
    const std::wstring oldestKept = *std::next(days.begin(), static_cast<std::ptrdiff_t>(kDaysKept - 1));
    std::vector<std::wstring> old;
    for (const std::wstring& name : names)
        if (const auto day = DayOf(name); day && *day < oldestKept)
            old.push_back(name);
    return old;
}

bool KeepDailyPair(const SYSTEMTIME& day, const std::wstring& folder)
{
    // Before the first save ever there is nothing to keep, and no folder is made for it.
    if (std::none_of(std::begin(kDayFiles), std::end(kDayFiles), [&folder](const DayFile& file) {
            return GetFileAttributesW(PathInFolder(folder, file.source).c_str()) != INVALID_FILE_ATTRIBUTES;
        }))
        return true;
    const std::wstring backup = PathInFolder(folder, kBackupFolderName);
    if (!CreateDirectoryW(backup.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    bool kept = true;
    for (const DayFile& file : kDayFiles)
        kept = CopyOnce(PathInFolder(folder, file.source),
                        PathInFolder(backup, file.prefix + DayStamp(day) + file.extension)) &&
               kept;
    for (const std::wstring& name : NamesOfOldDays(ListFolder(backup)))
        DeleteFileIfPresent(PathInFolder(backup, name), kTryOnce);
    return kept;
}
