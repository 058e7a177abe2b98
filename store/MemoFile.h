#pragma once

#include "DataFolder.h"
#include "FileResult.h"
#include "FileRetry.h"
#include "KeptFiles.h"
#include "MemoFileEncoding.h"

#include <windows.h>

#include <string>
#include <vector>

// Reading and writing memo.txt as a whole (its content format is in MemoText.h).

// The form memo.txt was read in, when another editor saved it in UTF-8 or UTF-16: its text was
// converted to the code page.
struct MemoFileForm {
    MemoFileEncoding encoding = MemoFileEncoding::CodePage;
    // Characters the code page lacks; each became "?".
    std::vector<char32_t> lost;
    // The file's bytes as they were, when MustBeKept.
    std::string original;

    bool Foreign() const { return encoding != MemoFileEncoding::CodePage; }
    // The memos may not say what the file said: its form was a guess, or characters were lost. The
    // file must be kept beside memo.txt before a save replaces it.
    bool MustBeKept() const { return encoding == MemoFileEncoding::Utf8Guessed || !lost.empty(); }
};

// What reading memo.txt found. A missing file is simply no memos; a file that cannot be read is not:
// its memos may still be on the disk, so the caller must not replace it. Only "no such file" in the
// folder counts as missing: a folder that cannot be reached (not found, a name the system refuses)
// says nothing about the memos in it.
struct MemoFileContent {
    enum class Status
    {
        Read,      // content holds the text of the file in the code page without its zero bytes
        Missing,   // no memo.txt: content is empty
        Unreadable // could not be opened or read even after retrying: see failure
    };

    Status status = Status::Missing;
    std::string content;
    FileResult failure = FileResult::Success();
    MemoFileForm form;
};

// Replaces memo.txt with exactly these bytes, crash-safe (see FileReplacement.h).
FileResult WriteMemoFile(const std::string& content, const std::wstring& folder = ExecutableFolder(),
                         RetryBudget budget = kRetryForAboutASecond);

// Reads memo.txt. A file held open by another program is tried again within the budget.
// name: another text file of the same format (the deleted memos').
MemoFileContent ReadMemoFile(const std::wstring& folder = ExecutableFolder(),
                             RetryBudget budget = kRetryForAboutASecond, const wchar_t* name = kMemoFileName);

// Keeps the original of a memo.txt read in another form beside it, named for that form and this
// local time: memo.utf8-20261209-154502.txt or memo.utf16-20261209-154502.txt (KeptFiles.h).
KeptFiles KeepOriginalMemoFile(const MemoFileForm& form, const SYSTEMTIME& time,
                               const std::wstring& folder = ExecutableFolder(),
                               RetryBudget budget = kRetryForAboutASecond);
