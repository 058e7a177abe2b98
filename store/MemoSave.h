#pragma once

#include "ConflictFiles.h"
#include "DataFolder.h"
#include "FileResult.h"
#include "MemoDesk.h"
#include "MemoRestore.h"
#include "MemoSaver.h"
#include "MemoState.h"

#include <optional>
#include <string>
#include <utility>

// Saving all memos. The memo-window side supplies a desk (MemoDesk.h); everything else is here.
//
// That side is memo/MemoPersistence.cpp, whose desk covers the open memo windows in the registry's
// order. The exit command looks at the outcome: on Failed it tells the user
// failure.Describe() and offers to retry; the timer ignores it, because the MemoSaver keeps the old
// state after a failure and the next tick tries again.
//
// Another copy of the program (on another PC, the folder synced) may rewrite the files while this
// one runs. With a desk that can take memos in, each save first looks at the two files' sizes and
// times of last write; when they are not those this copy last read or wrote itself:
// - a pair that moved since the previous look is left for the next one (a sync may be halfway);
// - a pair that stayed put is read; when its memos equal the saver's, nothing happened;
// - otherwise, with no change of this copy's own, the windows take in what the files hold
//   (TakenIn) and nothing is written; while the desk is busy (an edit dialog or a menu of a memo is
//   open) the take-in waits and the pair is judged again at the next save;
// - with a change of its own too, the other pair is kept byte for byte in conflict files
//   (ConflictFiles.h) and then this copy's memos are written as usual (Written, conflict set).
//
// A save that writes first puts the memos the user deleted meanwhile (MemoSaver::deleted) in front
// of the deleted memos' pair (DeletedMemos.h); when that fails, the main pair is not written either,
// so a deleted memo is always in one of them. The first write of a day first keeps the pair as it
// stood (DailyPairs.h); that copy failing does not stop the save.

struct SaveOutcome {
    enum class Result
    {
        Busy,      // a save or restore is running further up the stack: nothing was done
        Forbidden, // memo.txt could not be read at start: the files are left alone for this run
        Unchanged, // the memos equal the MemoSaver: no file was touched
        Waiting,   // memos changed, but another copy is rewriting the files: the next save tries
        TakenIn,   // another copy rewrote the files and the windows now show them: see takenIn
        Written,   // both files were replaced and the MemoSaver holds the new state
        Failed     // a file could not be written: see failure; the MemoSaver is unchanged
    };

    SaveOutcome(Result result = Result::Unchanged, FileResult failure = FileResult::Success())
        : result(result), failure(std::move(failure))
    {}

    Result result;
    FileResult failure;
    // TakenIn: how opening the windows of the files went (as at start).
    RestoreOutcome takenIn;
    // Written over a pair another copy wrote: where that pair was kept.
    std::optional<ConflictNames> conflict;
};

// The last save of a run cannot wait for a pair that is still moving: it reads it at once. With no
// change of this copy's own it opens no window: the files already hold what the next start shows.
// Nor can it leave a file that another program holds to a later save: it tries each file for about
// a second. Every other save runs while the window thread waits for it, and tries each file once
// (FileRetry.h): a held one fails at once, and the next save, 3 s later, tries again.
enum class SaveMoment
{
    Any,
    Last
};

// Compares current with the saver and, when they differ, writes both files; the saver takes
// current only when both were written. The same as a save with a desk that only shows current,
// without the busy flag.
// now: the local time that dates the day's pair and kept-aside files; none reads the clock.
SaveOutcome SaveMemoState(const MemoState& current, MemoSaver& saver, const std::wstring& folder = ExecutableFolder(),
                          const std::optional<SYSTEMTIME>& now = std::nullopt);

// Under the busy flag: the state collected after the flag was taken, the files checked for what
// another copy wrote (when the desk can take memos in and the saver has read or written them), and
// then taken in, or written when it differs from the saver.
SaveOutcome SaveAllMemosWith(const MemoDesk& desk, MemoSaver& saver = GetMemoSaver(),
                             const std::wstring& folder = ExecutableFolder(), SaveMoment moment = SaveMoment::Any,
                             const std::optional<SYSTEMTIME>& now = std::nullopt);
