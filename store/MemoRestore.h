#pragma once

#include "CWindowInfo.h"
#include "DataFolder.h"
#include "FileResult.h"
#include "FileRetry.h"
#include "FileStamps.h"
#include "InfoFile.h"
#include "MemoFile.h"
#include "MemoSaver.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Restoring all memos at start, and again while running when another copy of the program rewrote
// the files (TakeInStoredMemos). The memo-window side supplies one operation that opens a window;
// everything else is here.
//
// That side is memo/MemoPersistence.cpp: its RestoreAllMemos passes an operation that makes each
// memo window complete while it is still hidden: with its text and, when it has a record, at the
// record's place brought onto the desktop and in its colour (TMemoWindow::CreateRestored); the
// window's own save returns at once, since the restore holds the busy flag. The windows are shown
// at the end, once each and in file order; when the restore ran but is not complete, the user is
// told once.
//
// When memo.txt or info.ini is there or may be there but cannot be read, or a window cannot be
// opened, the saver forbids every save of this run, so the memos that are only on the disk are
// still there at the next start.

// What is on the disk, as far as it could be read.
struct StoredMemos {
    MemoFileContent::Status memoFile = MemoFileContent::Status::Missing;
    FileResult memoFileFailure = FileResult::Success();
    // info.ini could not be opened even after retrying (held by another program), or the completed
    // info.ini of the last save could not take its place. The records are still on the disk, so
    // they are not taken as missing: that would put every memo at the default place and let the
    // next save overwrite the stored places and colours.
    FileResult infoFileFailure = FileResult::Success();

    // The texts of memo.txt in file order, empty ones included, in the code page.
    std::vector<std::string> texts;
    // The form memo.txt was in: another editor's UTF-8 or UTF-16 is converted.
    MemoFileForm memoFileForm;
    // The records of info.ini; record i belongs to text i.
    InfoRecords info;

    // The texts and the completely read records: what the MemoSaver holds after the restore.
    // A record that could not be read is left out, so the first save rewrites the pair.
    MemoState ReadState() const;

    // info.ini does not describe the texts fully (missing, damaged, an absurd count): the first
    // save writes both files even when the memos did not change.
    bool InfoFileNeedsRepair() const;
};

// A file held by another program is tried again within the budget.
StoredMemos ReadStoredMemos(const std::wstring& folder = ExecutableFolder(),
                            RetryBudget budget = kRetryForAboutASecond);

// One memo window to open.
struct MemoWindowPlan {
    std::string text;
    // The stored place, size and colour; none when the text has no readable record, and the
    // window then stays at a new memo's place and colour with the size its text gives it.
    std::optional<CWindowInfo> record;
};

// At most this many memo windows are opened. Windows allows a process 10,000 USER objects and a
// memo window takes two (the window and its label), so a memo.txt with many more texts (a damaged
// or foreign file, one text per line) could not be shown anyway; opening them all would take long
// and end in failures. The texts beyond stay in memo.txt, and the restore is incomplete.
inline constexpr std::size_t kMostMemoWindows = 4500;

// Text i pairs with record i. An empty text opens no window but uses up its record; records
// beyond the last text are ignored. The plans end after kMostMemoWindows.
std::vector<MemoWindowPlan> PlanMemoWindows(const StoredMemos& stored);

// The original of a memo.txt read in another form, kept beside it before any save could replace it
// (MemoFileForm::MustBeKept): the user is told once where, and why.
struct KeptOriginal {
    std::wstring path;
    MemoFileEncoding encoding = MemoFileEncoding::CodePage;
    std::vector<char32_t> lost;
};

// Keeps the original of stored's memo.txt when its form must be kept, and says where in kept. A
// failure keeps nothing: until the original is kept no save may replace memo.txt.
FileResult KeepOriginalOf(const StoredMemos& stored, const std::wstring& folder, std::optional<KeptOriginal>& kept);

struct RestoreOutcome {
    bool ran = false;                               // false: a save or restore was running
    FileResult fileFailure = FileResult::Success(); // memo.txt or info.ini could not be read, or
                                                    // the original of memo.txt could not be kept
    std::string openFailure;                        // what an opening window threw, if any,
                                                    // or that memo.txt holds too many memos
    std::size_t windowsOpened = 0;
    std::optional<KeptOriginal> keptOriginal;

    bool Complete() const { return fileFailure.Ok() && openFailure.empty(); }
};

// Under the busy flag: finishes an interrupted save, reads both files, opens the planned windows
// through openWindow in file order and makes the saver hold what was read.
RestoreOutcome RestoreAllMemosWith(const std::function<void(const MemoWindowPlan&)>& openWindow,
                                   MemoSaver& saver = GetMemoSaver(), const std::wstring& folder = ExecutableFolder());

// Taking in what another copy of the program wrote: which memo windows stay, which are closed and
// which plans open a new window. A window stays when its text and record equal those of a plan
// (each window and each plan matched at most once, in order); every other window closes and every
// other plan opens.
struct WindowChanges {
    std::vector<std::size_t> close; // positions in the list of windows on screen
    std::vector<std::size_t> open;  // positions in the plans

    bool operator==(const WindowChanges& other) const = default;
};

WindowChanges MatchWindowsToPlans(const MemoState& onScreen, const std::vector<MemoWindowPlan>& plans);

// The same memos, each text with its record, in whatever order.
bool SameMemosInAnyOrder(const MemoState& a, const MemoState& b);

// Makes the windows show what stored holds (read at stamps), by the rules of the restore at start,
// and makes the saver hold it. Kept windows and new ones stand in the registry's order, not the
// file's: when they show exactly what the files hold, the saver takes them in that order, so the
// next save writes nothing. Called under the busy flag.
RestoreOutcome TakeInStoredMemos(const StoredMemos& stored, const MemoFileStamps& stamps,
                                 const std::function<MemoState()>& collect,
                                 const std::function<void(std::size_t)>& closeWindow,
                                 const std::function<void(const MemoWindowPlan&)>& openWindow, MemoSaver& saver);
