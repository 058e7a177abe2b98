#include "MemoRestore.h"

#include "serialize/FileHandle.h"
#include "FileReplacement.h"
#include "InfoFile.h"
#include "MemoFiles.h"
#include "MemoText.h"
#include "PersistenceGuard.h"

#include <algorithm>
#include <exception>

namespace
{
std::size_t NonEmptyTexts(const StoredMemos& stored)
{
    return static_cast<std::size_t>(std::count_if(stored.texts.begin(), stored.texts.end(),
                                                  [](const std::string& text) { return !text.empty(); }));
}

// Shown to the user, in the user interface's language (UTF-8).
std::string TooManyMemos()
{
    return std::string("memo.txt のメモが多すぎるため、最初の ")
        .append(std::to_string(kMostMemoWindows))
        .append(" 件だけを表示しました。");
}

// Opens one window; a failure is returned as text instead of ending the restore, so the memos
// after it still open.
std::string TryOpenWindow(const std::function<void(const MemoWindowPlan&)>& openWindow,
                          const MemoWindowPlan& plan)
{
    try {
        openWindow(plan);
        return {};
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "unknown error";
    }
}

// Whether info.ini can be opened for reading; a missing file is no failure. A file held by another
// program is retried for about a second, as memo.txt is.
FileResult InfoFileAccess(const std::wstring& folder)
{
    const std::wstring path = PathInFolder(folder, kInfoFileName);
    const DWORD error = RetryWhileFileIsHeld([&] {
        FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        return file.Valid() ? static_cast<DWORD>(ERROR_SUCCESS) : GetLastError();
    });
    // As for memo.txt, only "no such file" is a missing file.
    const bool usable = error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND;
    return usable ? FileResult::Success() : FileResult::Failure(path, error);
}
}

MemoState StoredMemos::ReadState() const
{
    MemoState state{texts, {}};
    for (const std::optional<CWindowInfo>& record : info.records) {
        if (record)
            state.infos.push_back(*record);
    }
    return state;
}

bool StoredMemos::InfoFileNeedsRepair() const
{
    return !texts.empty() && !info.Complete();
}

StoredMemos ReadStoredMemos(const std::wstring& folder)
{
    StoredMemos stored;
    MemoFileContent memoFile = ReadMemoFile(folder);
    stored.memoFile = memoFile.status;
    stored.memoFileFailure = memoFile.failure;
    stored.texts = SplitMemoTexts(memoFile.content);
    if (stored.memoFile != MemoFileContent::Status::Unreadable) {
        stored.infoFileFailure = InfoFileAccess(folder);
        if (stored.infoFileFailure.Ok())
            stored.info = ReadInfoRecords(stored.texts.size(), folder);
    }
    return stored;
}

std::vector<MemoWindowPlan> PlanMemoWindows(const StoredMemos& stored)
{
    std::vector<MemoWindowPlan> plans;
    for (std::size_t i = 0; i < stored.texts.size() && plans.size() < kMostMemoWindows; ++i) {
        if (stored.texts[i].empty())
            continue;
        MemoWindowPlan plan{stored.texts[i], std::nullopt};
        if (i < stored.info.records.size())
            plan.record = stored.info.records[i];
        plans.push_back(std::move(plan));
    }
    return plans;
}

RestoreOutcome RestoreAllMemosWith(const std::function<void(const MemoWindowPlan&)>& openWindow,
                                   MemoSaver& saver, const std::wstring& folder)
{
    RestoreOutcome outcome;
    PersistenceGuard guard;
    if (!guard.Acquired())
        return outcome;
    outcome.ran = true;

    const FileResult finished = FinishInterruptedSave(folder);
    StoredMemos stored = ReadStoredMemos(folder);
    if (!finished.Ok() && stored.infoFileFailure.Ok()) {
        // The places of memo.txt's memos are in a completed info.ini that could not take its place;
        // info.ini holds older ones.
        stored.infoFileFailure = finished;
        stored.info = {};
    }
    outcome.fileFailure = stored.memoFileFailure.Ok() ? stored.infoFileFailure : stored.memoFileFailure;
    const std::vector<MemoWindowPlan> plans = PlanMemoWindows(stored);
    for (const MemoWindowPlan& plan : plans) {
        const std::string failure = TryOpenWindow(openWindow, plan);
        if (failure.empty())
            ++outcome.windowsOpened;
        else if (outcome.openFailure.empty())
            outcome.openFailure = failure;
    }
    if (outcome.openFailure.empty() && NonEmptyTexts(stored) > plans.size())
        outcome.openFailure = TooManyMemos();

    saver.Remember(stored.ReadState());
    saver.repairNeeded = stored.InfoFileNeedsRepair();
    // Memos that are on the disk but not on the screen would be lost by the next save.
    saver.savingForbidden = !outcome.Complete();
    return outcome;
}
