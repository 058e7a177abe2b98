#pragma once

#include "FileResult.h"
#include "FileRetry.h"

#include <string>

// Crash-safe replacement of a file: the new content is written completely under a temporary name
// in the same folder, flushed to the disk, and then renamed over the old file. A crash or power loss
// at any moment leaves the file wholly old or wholly new.
//
// Each operation on a file that another program holds is tried again within its budget (FileRetry.h).

// Creates or truncates path, writes bytes and flushes them to the disk.
FileResult WriteFileToDisk(const std::wstring& path, const std::string& bytes, RetryBudget budget);

// Flushes a file that was written by other means (the profile functions) to the disk.
FileResult FlushFileToDisk(const std::wstring& path, RetryBudget budget);

// Renames from over to (MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH).
FileResult MoveFileOver(const std::wstring& from, const std::wstring& to, RetryBudget budget);

// WriteFileToDisk under the temporary name of generation 0 (see SaveGenerations.h), then
// MoveFileOver path. On failure the old file is untouched and the temporary file removed.
FileResult ReplaceFileContent(const std::wstring& path, const std::string& bytes, RetryBudget budget);

// Deletes path; a file that is not there counts as deleted.
FileResult DeleteFileIfPresent(const std::wstring& path, RetryBudget budget);
