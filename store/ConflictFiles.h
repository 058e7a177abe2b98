#pragma once

#include "DataFolder.h"
#include "FileResult.h"
#include "FileRetry.h"

#include <windows.h>

#include <string>

// When another copy of the program rewrote memo.txt and info.ini while this copy changed memos too,
// the other pair is kept beside the data files (see KeptFiles.h) and this copy's memos are saved as
// usual:
//
//     memo.conflict-20261209-154502.txt    info.conflict-20261209-154502.ini

struct ConflictNames {
    std::wstring memo;
    std::wstring info;

    bool operator==(const ConflictNames& other) const = default;
};

// A deleted memos' pair that could not be read whole is kept aside the same way before a fresh one
// is written, under the kind "deleted-unreadable" instead of "conflict":
//
//     memo.deleted-unreadable-20261209-154502.txt    info.deleted-unreadable-20261209-154502.ini
inline constexpr const wchar_t* kConflictKind = L"conflict";
inline constexpr const wchar_t* kUnreadableDeletedKind = L"deleted-unreadable";

// The names for a pair found at this local time; attempt 1 has no number, attempt n > 1 has "-n".
ConflictNames ConflictNamesAt(const SYSTEMTIME& time, unsigned attempt = 1, const wchar_t* kind = kConflictKind);

// The other pair as it was read, byte for byte.
struct OtherPair {
    std::string memoBytes;
    std::string infoBytes;
};

struct KeptConflict {
    FileResult result = FileResult::Success();
    ConflictNames paths; // full paths of the two files, when result is a success
};

// Writes both files under the first free pair of names of this time; on failure neither is left.
KeptConflict KeepConflictFiles(const OtherPair& pair, const SYSTEMTIME& time,
                               const std::wstring& folder = ExecutableFolder(),
                               RetryBudget budget = kRetryForAboutASecond, const wchar_t* kind = kConflictKind);
