#include "FileStamps.h"

#include <windows.h>

namespace {
FileStamp StampOf(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return {};
    const auto join = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
    return {true, join(data.nFileSizeHigh, data.nFileSizeLow),
            join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}
}

MemoFileStamps LookAtMemoFiles(const std::wstring& folder)
{
    return {StampOf(PathInFolder(folder, kMemoFileName)), StampOf(PathInFolder(folder, kInfoFileName))};
}

OutsideChange JudgeMemoFiles(const MemoFileStamps& now, MemoFileWatch& watch)
{
    if (!watch.known || now == *watch.known) {
        watch.seenBefore.reset();
        return OutsideChange::None;
    }
    if (watch.seenBefore != now) {
        // A sync tool may be halfway through the pair (or through one file): wait for it to rest.
        watch.seenBefore = now;
        return OutsideChange::Settling;
    }
    return OutsideChange::Settled;
}
