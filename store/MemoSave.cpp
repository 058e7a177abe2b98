#include "MemoSave.h"

#include "FileReading.h"
#include "MemoFiles.h"
#include "MemoText.h"
#include "PersistenceGuard.h"

namespace {
SaveOutcome Write(const MemoState& current, MemoSaver& saver, const std::wstring& folder)
{
    const bool watching = saver.watch.known.has_value();
    SaveOutcome outcome = SaveMemoState(current, saver, folder);
    // This copy's own write, finished or not, is no change from outside.
    if (watching && outcome.result != SaveOutcome::Result::Unchanged)
        saver.watch = {LookAtMemoFiles(folder), std::nullopt};
    return outcome;
}

// The pair as another copy left it, read once it stayed put; none when it could not be read or
// moved while being read, and it is looked at again at the next save.
struct OutsidePair {
    OtherPair bytes;
    StoredMemos stored;
};

std::optional<OutsidePair> ReadOutsidePair(const MemoFileStamps& stamps, const std::wstring& folder)
{
    OutsidePair pair;
    for (auto [name, bytes] :
         {std::pair{kMemoFileName, &pair.bytes.memoBytes}, std::pair{kInfoFileName, &pair.bytes.infoBytes}}) {
        const FileResult read = ReadFileFromDisk(PathInFolder(folder, name), *bytes);
        if (!read.Ok() && read.Error() != ERROR_FILE_NOT_FOUND)
            return std::nullopt;
    }
    pair.stored = ReadStoredMemos(folder);
    if (LookAtMemoFiles(folder) != stamps || pair.stored.memoFile == MemoFileContent::Status::Unreadable ||
        !pair.stored.infoFileFailure.Ok())
        return std::nullopt;
    return pair;
}

// Whether the pair holds the memos the saver holds. A text with a lone CR or LF comes back from
// memo.txt with CR LF, so the texts also count as the same when they give memo.txt's bytes.
bool HoldsTheSameMemos(const OutsidePair& pair, const MemoSaver& saver)
{
    const MemoState read = pair.stored.ReadState();
    return read.infos == saver.infos &&
           (read.texts == saver.texts || JoinMemoTexts(saver.texts) == pair.bytes.memoBytes);
}
}

SaveOutcome SaveMemoState(const MemoState& current, MemoSaver& saver, const std::wstring& folder)
{
    if (saver.savingForbidden)
        return {SaveOutcome::Result::Forbidden};
    if (!saver.repairNeeded && saver.Holds(current))
        return {SaveOutcome::Result::Unchanged};
    FileResult written = WriteMemoFiles(current, folder);
    if (!written.Ok())
        return {SaveOutcome::Result::Failed, written};
    saver.Remember(current);
    saver.repairNeeded = false;
    return {SaveOutcome::Result::Written};
}

SaveOutcome SaveAllMemosWith(const std::function<MemoState()>& collect, MemoSaver& saver, const std::wstring& folder)
{
    PersistenceGuard guard;
    if (!guard.Acquired())
        return {SaveOutcome::Result::Busy};
    return SaveMemoState(collect(), saver, folder);
}

SaveOutcome SaveAllMemosWith(const MemoDesk& desk, MemoSaver& saver, const std::wstring& folder, SaveMoment moment)
{
    PersistenceGuard guard;
    if (!guard.Acquired())
        return {SaveOutcome::Result::Busy};
    if (saver.savingForbidden)
        return {SaveOutcome::Result::Forbidden};
    const MemoState current = desk.collect();
    if (!desk.CanTakeIn() || !saver.watch.known)
        return SaveMemoState(current, saver, folder);

    const bool differs = saver.repairNeeded || !saver.Holds(current);
    // Memos that only stand in another order (the registry's, not the file's, as after a start)
    // are no change of this copy's own: the other copy's memos are taken in, not kept aside.
    const bool changedHere = differs && (saver.repairNeeded || !SameMemosInAnyOrder(current, saver.State()));
    const MemoFileStamps now = LookAtMemoFiles(folder);
    OutsideChange outside = JudgeMemoFiles(now, saver.watch);
    if (outside == OutsideChange::Settling && moment == SaveMoment::Last)
        outside = OutsideChange::Settled;
    if (outside == OutsideChange::None)
        return differs ? Write(current, saver, folder) : SaveOutcome{SaveOutcome::Result::Unchanged};
    const auto wait = [&] {
        return SaveOutcome{differs ? SaveOutcome::Result::Waiting : SaveOutcome::Result::Unchanged};
    };
    if (outside == OutsideChange::Settling)
        return wait();

    std::optional<OutsidePair> pair = ReadOutsidePair(now, folder);
    if (!pair) {
        saver.watch.seenBefore.reset(); // read it only once it has stayed put again
        return wait();
    }
    if (HoldsTheSameMemos(*pair, saver)) {
        // Touched, or rewritten with the same memos: nothing to take in.
        saver.watch = {now, std::nullopt};
        return differs ? Write(current, saver, folder) : SaveOutcome{SaveOutcome::Result::Unchanged};
    }
    if (!changedHere && moment == SaveMoment::Last)
        return {SaveOutcome::Result::Unchanged}; // the files hold the other copy's memos: the next start shows them
    if (!changedHere) {
        SaveOutcome outcome{SaveOutcome::Result::TakenIn};
        outcome.takenIn = TakeInStoredMemos(pair->stored, now, desk.collect, desk.close, desk.open, saver);
        return outcome;
    }
    SYSTEMTIME time{};
    GetLocalTime(&time);
    const KeptConflict kept = KeepConflictFiles(pair->bytes, time, folder);
    if (!kept.result.Ok())
        return {SaveOutcome::Result::Failed, kept.result};
    SaveOutcome outcome = Write(current, saver, folder);
    outcome.conflict = kept.paths;
    return outcome;
}
