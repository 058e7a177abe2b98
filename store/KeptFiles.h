#pragma once

#include "DataFolder.h"
#include "FileResult.h"
#include "FileRetry.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// Files kept beside the data files, named for what they hold and when they were kept: the data
// file's name with a word for the kind and the local time before its extension,
//
//     memo.conflict-20261209-154502.txt    memo.utf8-20261209-154502.txt
//
// A name that is taken is never replaced: the next free one gets "-2", "-3", ... before the
// extension. Files kept together (a conflicting pair) take the same time and number.

// The name of a file kept for the data file dataFileName ("memo.txt"); attempt 1 has no number,
// attempt n > 1 has "-n".
std::wstring KeptFileName(std::wstring_view dataFileName, std::wstring_view kind, const SYSTEMTIME& time,
                          unsigned attempt);

struct FileToKeep {
    std::wstring_view dataFileName; // the data file it stands beside, kMemoFileName or kInfoFileName
    const std::string* bytes;
};

struct KeptFiles {
    FileResult result = FileResult::Success();
    std::vector<std::wstring> paths; // full paths in the order of the files, when result is a success
};

// Writes every file under the first number whose names are all free; on failure none is left. A
// file held by another program is tried again within the budget.
KeptFiles KeepFiles(const std::vector<FileToKeep>& files, std::wstring_view kind, const SYSTEMTIME& time,
                    const std::wstring& folder, RetryBudget budget);
