#include "MemoRestore.h"

#include "FileReading.h"
#include "InfoFile.h"
#include "MemoFiles.h"
#include "MemoText.h"
#include "PersistenceGuard.h"

#include <algorithm>
#include <exception>
#include <map>
#include <tuple>
#include <utility>

namespace {
std::size_t NonEmptyTexts(const StoredMemos& stored)
{
    return static_cast<std::size_t>(
        std::count_if(stored.texts.begin(), stored.texts.end(), [](const std::string& text) { return !text.empty(); }));
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
std::string TryOpenWindow(const std::function<void(const MemoWindowPlan&)>& openWindow, const MemoWindowPlan& plan)
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

// Opens the windows of these plans; counts them and keeps the first failure in outcome.
void OpenPlans(const std::vector<const MemoWindowPlan*>& plans,
               const std::function<void(const MemoWindowPlan&)>& openWindow, RestoreOutcome& outcome)
{
    for (const MemoWindowPlan* plan : plans) {
        const std::string failure = TryOpenWindow(openWindow, *plan);
        if (failure.empty())
            ++outcome.windowsOpened;
        else if (outcome.openFailure.empty())
            outcome.openFailure = failure;
    }
}

// What the saver holds after reading stored: the memos as read, a repair when info.ini did not
// describe them, and no save at all when memos of the files could not be shown.
void HoldWhatWasRead(const StoredMemos& stored, std::size_t plansMade, RestoreOutcome& outcome, MemoSaver& saver)
{
    if (outcome.openFailure.empty() && NonEmptyTexts(stored) > plansMade)
        outcome.openFailure = TooManyMemos();
    saver.Remember(stored.ReadState());
    // A memo.txt another editor saved is written in the program's own form by the first save.
    saver.repairNeeded = stored.InfoFileNeedsRepair() || stored.memoFileForm.Foreign();
    // Memos that are on the disk but not on the screen would be lost by the next save.
    saver.savingForbidden = !outcome.Complete();
}

std::vector<const MemoWindowPlan*> AllOf(const std::vector<MemoWindowPlan>& plans)
{
    std::vector<const MemoWindowPlan*> all;
    for (const MemoWindowPlan& plan : plans)
        all.push_back(&plan);
    return all;
}

using MemoKey = std::tuple<const std::string*, const CWindowInfo*>;

// Orders memos by text, then record, without copying them.
struct MemoKeyOrder {
    bool operator()(const MemoKey& a, const MemoKey& b) const
    {
        const auto& [textA, infoA] = a;
        const auto& [textB, infoB] = b;
        if (*textA != *textB)
            return *textA < *textB;
        return std::tie(infoA->Left, infoA->Top, infoA->Width, infoA->Height, infoA->Color) <
               std::tie(infoB->Left, infoB->Top, infoB->Width, infoB->Height, infoB->Color);
    }
};

std::vector<MemoKey> SortedKeys(const MemoState& state)
{
    std::vector<MemoKey> keys;
    for (std::size_t i = 0; i < state.texts.size() && i < state.infos.size(); ++i)
        keys.emplace_back(&state.texts[i], &state.infos[i]);
    std::sort(keys.begin(), keys.end(), MemoKeyOrder{});
    return keys;
}

// Whether info.ini can be opened for reading; a missing file is no failure. A file held by another
// program is tried again within the budget, as memo.txt is.
FileResult InfoFileAccess(const std::wstring& folder, RetryBudget budget)
{
    const std::wstring path = PathInFolder(folder, kInfoFileName);
    const DWORD error = UseFileForReading(path, budget, [](HANDLE) { return static_cast<DWORD>(ERROR_SUCCESS); });
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

StoredMemos ReadStoredMemos(const std::wstring& folder, RetryBudget budget)
{
    StoredMemos stored;
    MemoFileContent memoFile = ReadMemoFile(folder, budget);
    stored.memoFile = memoFile.status;
    stored.memoFileFailure = memoFile.failure;
    stored.memoFileForm = std::move(memoFile.form);
    // The bytes as read are let go as soon as they are split: a large file is then held once.
    stored.texts = SplitMemoTexts(std::exchange(memoFile.content, {}));
    if (stored.memoFile != MemoFileContent::Status::Unreadable) {
        stored.infoFileFailure = InfoFileAccess(folder, budget);
        if (stored.infoFileFailure.Ok())
            stored.info = ReadInfoRecords(stored.texts.size(), folder);
    }
    return stored;
}

FileResult KeepOriginalOf(const StoredMemos& stored, const std::wstring& folder, std::optional<KeptOriginal>& kept)
{
    kept.reset();
    const MemoFileForm& form = stored.memoFileForm;
    if (!form.MustBeKept())
        return FileResult::Success();
    SYSTEMTIME time{};
    GetLocalTime(&time);
    const KeptFiles original = KeepOriginalMemoFile(form, time, folder);
    if (original.result.Ok())
        kept = KeptOriginal{original.paths.front(), form.encoding, form.lost};
    return original.result;
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

RestoreOutcome RestoreAllMemosWith(const std::function<void(const MemoWindowPlan&)>& openWindow, MemoSaver& saver,
                                   const std::wstring& folder)
{
    RestoreOutcome outcome;
    PersistenceGuard guard;
    if (!guard.Acquired())
        return outcome;
    outcome.ran = true;

    const FileResult finished = FinishInterruptedSave(folder);
    // Looked at before reading: a pair that another copy rewrites meanwhile is noticed later.
    const MemoFileStamps stamps = LookAtMemoFiles(folder);
    StoredMemos stored = ReadStoredMemos(folder);
    if (!finished.Ok() && stored.infoFileFailure.Ok()) {
        // The places of memo.txt's memos are in a completed info.ini that could not take its place;
        // info.ini holds older ones.
        stored.infoFileFailure = finished;
        stored.info = {};
    }
    outcome.fileFailure = stored.memoFileFailure.Ok() ? stored.infoFileFailure : stored.memoFileFailure;
    const FileResult keeping = KeepOriginalOf(stored, folder, outcome.keptOriginal);
    if (outcome.fileFailure.Ok())
        outcome.fileFailure = keeping;
    std::size_t plansMade = 0;
    {
        // The plans hold copies of the texts; they go before the saver takes its own.
        const std::vector<MemoWindowPlan> plans = PlanMemoWindows(stored);
        OpenPlans(AllOf(plans), openWindow, outcome);
        plansMade = plans.size();
    }
    HoldWhatWasRead(stored, plansMade, outcome, saver);
    saver.watch = {stamps, std::nullopt};
    return outcome;
}

WindowChanges MatchWindowsToPlans(const MemoState& onScreen, const std::vector<MemoWindowPlan>& plans)
{
    std::map<MemoKey, std::vector<std::size_t>, MemoKeyOrder> unmatched;
    for (std::size_t i = onScreen.texts.size(); i-- > 0;) {
        if (i < onScreen.infos.size())
            unmatched[MemoKey(&onScreen.texts[i], &onScreen.infos[i])].push_back(i);
    }
    std::vector<bool> kept(onScreen.texts.size(), false);
    WindowChanges changes;
    for (std::size_t p = 0; p < plans.size(); ++p) {
        const MemoWindowPlan& plan = plans[p];
        // A plan without a record puts its window at a new memo's place: no window shows that.
        auto found = plan.record ? unmatched.find(MemoKey(&plan.text, &*plan.record)) : unmatched.end();
        if (found == unmatched.end() || found->second.empty()) {
            changes.open.push_back(p);
            continue;
        }
        kept[found->second.back()] = true;
        found->second.pop_back();
    }
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (!kept[i])
            changes.close.push_back(i);
    return changes;
}

bool SameMemosInAnyOrder(const MemoState& a, const MemoState& b)
{
    if (a.texts.size() != b.texts.size() || a.infos.size() != b.infos.size() || a.texts.size() != a.infos.size())
        return false;
    const std::vector<MemoKey> keysA = SortedKeys(a);
    const std::vector<MemoKey> keysB = SortedKeys(b);
    const MemoKeyOrder less;
    for (std::size_t i = 0; i < keysA.size(); ++i)
        if (less(keysA[i], keysB[i]) || less(keysB[i], keysA[i]))
            return false;
    return true;
}

RestoreOutcome TakeInStoredMemos(const StoredMemos& stored, const MemoFileStamps& stamps,
                                 const std::function<MemoState()>& collect,
                                 const std::function<void(std::size_t)>& closeWindow,
                                 const std::function<void(const MemoWindowPlan&)>& openWindow, MemoSaver& saver)
{
    RestoreOutcome outcome;
    outcome.ran = true;
    outcome.fileFailure = stored.memoFileFailure.Ok() ? stored.infoFileFailure : stored.memoFileFailure;
    const std::vector<MemoWindowPlan> plans = PlanMemoWindows(stored);
    const WindowChanges changes = MatchWindowsToPlans(collect(), plans);
    // From the last position back, so that no earlier position moves.
    for (auto position = changes.close.rbegin(); position != changes.close.rend(); ++position)
        closeWindow(*position);
    std::vector<const MemoWindowPlan*> toOpen;
    for (std::size_t p : changes.open)
        toOpen.push_back(&plans[p]);
    OpenPlans(toOpen, openWindow, outcome);
    HoldWhatWasRead(stored, plans.size(), outcome, saver);
    const MemoState shown = collect();
    if (!saver.repairNeeded && SameMemosInAnyOrder(shown, saver.State()))
        saver.Remember(shown);
    saver.watch = {stamps, std::nullopt};
    return outcome;
}
