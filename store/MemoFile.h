#pragma once

#include "DataFolder.h"
#include "FileResult.h"
#include "FileRetry.h"

#include <string>

// Reading and writing memo.txt as a whole (its content format is in MemoText.h).

// What reading memo.txt found. A missing file is simply no memos; a file that cannot be read is not:
// its memos may still be on the disk, so the caller must not replace it. Only "no such file" in the
// folder counts as missing: a folder that cannot be reached (not found, a name the system refuses)
// says nothing about the memos in it.
struct MemoFileContent {
    enum class Status
    {
        Read,      // content holds the bytes of the file without its zero bytes
        Missing,   // no memo.txt: content is empty
        Unreadable // could not be opened or read even after retrying: see failure
    };

    Status status = Status::Missing;
    std::string content;
    FileResult failure = FileResult::Success();
};

// Replaces memo.txt with exactly these bytes, crash-safe (see FileReplacement.h).
FileResult WriteMemoFile(const std::string& content, const std::wstring& folder = ExecutableFolder(),
                         RetryBudget budget = kRetryForAboutASecond);

// Reads memo.txt. A file held open by another program is tried again within the budget.
MemoFileContent ReadMemoFile(const std::wstring& folder = ExecutableFolder(),
                             RetryBudget budget = kRetryForAboutASecond);
