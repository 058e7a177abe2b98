#pragma once

#include "CWindowInfo.h"
#include "DataFolder.h"
#include "FileResult.h"
#include "FileRetry.h"
#include "MemoState.h"

#include <windows.h>

#include <cstddef>
#include <string>

// The memos the user deleted (the delete command, a text emptied in the edit dialog, Alt+F4), so
// that one deleted by mistake can be brought back. They are kept beside memo.txt in the same two
// formats, newest first: memo.deleted.txt (one escaped text a line) and info.deleted.ini (the records
// under info.ini's keys), written by the same crash-safe rules as the main pair (MemoFiles.h).
//
// The list is read from disk right before it is changed, so entries another copy of the program
// added through a synced folder are kept. A pair that cannot be read whole (a damaged or foreign
// file, records that do not match the texts) is first kept aside byte for byte under a dated name
// (ConflictFiles.h, kind "deleted-unreadable"), and a fresh pair is written with what could be read.

// The newest this many are kept; older ones fall off.
inline constexpr std::size_t kMostDeletedMemos = 100;

// What the deleted memos' pair holds, as far as it could be read.
struct DeletedMemos {
    // Newest first; a text whose record could not be read has a new memo's place and colour.
    MemoState memos;
    // Both files missing, or both read and every text with its record: nothing to keep aside.
    bool whole = true;
    // The files as they were on the disk, for keeping an unreadable pair aside.
    std::string memoBytes;
    std::string infoBytes;
    // A file is there but could not be read at all (held, or a folder): its bytes cannot be kept
    // aside, so the list is not rewritten, and the save that would drop a deleted memo from
    // memo.txt waits (the memo stays there meanwhile).
    FileResult failure = FileResult::Success();
};

DeletedMemos ReadDeletedMemos(const std::wstring& folder = ExecutableFolder(),
                              RetryBudget budget = kRetryForAboutASecond);

// Puts these memos (newest first) in front of the list on the disk and keeps the newest
// kMostDeletedMemos; time names the kept-aside files of an unreadable pair.
FileResult AddDeletedMemos(const MemoState& newestFirst, const SYSTEMTIME& time,
                           const std::wstring& folder = ExecutableFolder(), RetryBudget budget = kRetryForAboutASecond);

// Takes the first entry equal to this memo off the list on the disk; nothing when it is not there.
FileResult RemoveDeletedMemo(const std::string& text, const CWindowInfo& info, const SYSTEMTIME& time,
                             const std::wstring& folder = ExecutableFolder(),
                             RetryBudget budget = kRetryForAboutASecond);
