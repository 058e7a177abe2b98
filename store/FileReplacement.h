#pragma once

#include "FileResult.h"

#include <functional>
#include <string>

// Crash-safe replacement of a file: the new content is written completely under a temporary name
// in the same folder, flushed to the disk, and then renamed over the old file. A crash or power loss
// at any moment leaves the file wholly old or wholly new.
//
// Virus scanners, backup and indexing tools open files briefly; an operation that fails because
// another handle holds the file is retried for about a second with growing pauses.

// Runs attempt (which returns ERROR_SUCCESS or a Windows error code) until it succeeds or fails for
// a reason other than another handle holding the file, or until the retries are used up. Returns
// the last result.
DWORD RetryWhileFileIsHeld(const std::function<DWORD()>& attempt);

// Creates or truncates path, writes bytes and flushes them to the disk.
FileResult WriteFileToDisk(const std::wstring& path, const std::string& bytes);

// Flushes a file that was written by other means (the profile functions) to the disk.
FileResult FlushFileToDisk(const std::wstring& path);

// Renames from over to (MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH).
FileResult MoveFileOver(const std::wstring& from, const std::wstring& to);

// WriteFileToDisk under the temporary name of generation 0 (see SaveGenerations.h), then
// MoveFileOver path. On failure the old file is untouched and the temporary file removed.
FileResult ReplaceFileContent(const std::wstring& path, const std::string& bytes);

// Deletes path; a file that is not there counts as deleted.
FileResult DeleteFileIfPresent(const std::wstring& path);
