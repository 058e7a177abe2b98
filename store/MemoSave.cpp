#include "MemoSave.h"

#include "DailyPairs.h"
#include "DeletedMemos.h"
#include "FileReading.h"
#include "MemoFiles.h"
#include "MemoText.h"
#include "PersistenceGuard.h"

namespace {
RetryBudget RetryBudgetOf(SaveMoment moment)
{
    return moment == SaveMoment::Last ? kRetryForAboutASecond : kTryOnce;
}

// The pair as another copy left it, read once it stayed put; none when it could not be read or
// moved while being read, and it is looked at again at the next save.
struct OutsidePair {
    OtherPair bytes;
    StoredMemos stored;
};

std::optional<OutsidePair> ReadOutsidePair(const MemoFileStamps& stamps, const std::wstring& folder, RetryBudget budget)
{
    OutsidePair pair;
    for (auto [name, bytes] :
         {std::pair{kMemoFileName, &pair.bytes.memoBytes}, std::pair{kInfoFileName, &pair.bytes.infoBytes}}) {
        const FileResult read = ReadFileFromDisk(PathInFolder(folder, name), *bytes, budget);
        if (!read.Ok() && read.Error() != ERROR_FILE_NOT_FOUND)
            return std::nullopt;
    }
    pair.stored = ReadStoredMemos(folder, budget);
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

// One save of what a desk shows, step by step: the memos collected and compared with the saver;
// when the files are watched, what changed outside, the other pair read and this copy's memos
// resolved against it; last, written when they differ.
class SaveRound {
public:
    SaveRound(const MemoDesk& desk, MemoSaver& saver, const std::wstring& folder, SaveMoment moment,
              const std::optional<SYSTEMTIME>& now)
        : desk_(desk), saver_(saver), folder_(folder), moment_(moment), budget_(RetryBudgetOf(moment)), time_(now)
    {}

    SaveOutcome Run()
    {
        // Before the desk is collected or the files looked at: a run that could not show every
        // stored memo neither writes nor takes in.
        if (saver_.savingForbidden)
            return {SaveOutcome::Result::Forbidden};
        current_ = desk_.collect();
        differs_ = saver_.repairNeeded || !saver_.Holds(current_);
        // A desk that cannot take memos in, or a saver that never read nor wrote the files, does
        // not look at them.
        watched_ = desk_.CanTakeIn() && saver_.watch.known;
        return watched_ ? AgainstTheFiles() : WriteOrUnchanged();
    }

private:
    // The memos saved against what another copy of the program may have written.
    SaveOutcome AgainstTheFiles()
    {
        const OutsideChange outside = LookOutside();
        if (outside == OutsideChange::None)
            return WriteOrUnchanged();
        if (outside == OutsideChange::Settling)
            return WaitOrUnchanged();
        const std::optional<OutsidePair> pair = ReadOtherPair();
        return pair ? ResolveAgainst(*pair) : WaitOrUnchanged();
    }

    // What changed outside since this copy last read or wrote the files. The last save of a run
    // cannot wait for a pair that is still moving: it reads it at once.
    OutsideChange LookOutside()
    {
        now_ = LookAtMemoFiles(folder_);
        const OutsideChange outside = JudgeMemoFiles(now_, saver_.watch);
        return outside == OutsideChange::Settling && moment_ == SaveMoment::Last ? OutsideChange::Settled : outside;
    }

    // The other pair as it stayed put; none when it could not be read whole, and then it is read
    // only once it has stayed put again.
    std::optional<OutsidePair> ReadOtherPair()
    {
        std::optional<OutsidePair> pair = ReadOutsidePair(now_, folder_, budget_);
        if (!pair)
            saver_.watch.seenBefore.reset();
        return pair;
    }

    // The same memos are nothing to take in; memos changed only there are taken in; changed on
    // both sides, theirs are kept aside and this copy's written.
    SaveOutcome ResolveAgainst(const OutsidePair& pair)
    {
        if (HoldsTheSameMemos(pair, saver_)) {
            // Touched, or rewritten with the same memos.
            saver_.watch = {now_, std::nullopt};
            return WriteOrUnchanged();
        }
        if (ChangedHere())
            return KeepTheirsAndWrite(pair);
        if (moment_ == SaveMoment::Last)
            return {SaveOutcome::Result::Unchanged}; // the files hold the other copy's memos: the next start shows them
        // A dialog or menu of a memo is open: the pair stays as seen (watch.seenBefore), so it is
        // read and judged again at each save until the user is done. An OK in that dialog is then a
        // change of this copy's own, and the pair is kept aside as on any change on both sides;
        // after a Cancel it is taken in.
        if (!desk_.CanTakeInNow())
            return WaitOrUnchanged();
        // A memo.txt that another editor saved is kept as it was before the windows take it in, so
        // that nothing a guess may have misread is lost; until it is kept, nothing is taken in.
        std::optional<KeptOriginal> kept;
        if (const FileResult keeping = KeepOriginalOf(pair.stored, folder_, kept); !keeping.Ok())
            return {SaveOutcome::Result::Failed, keeping};
        SaveOutcome outcome{SaveOutcome::Result::TakenIn};
        outcome.takenIn = TakeInStoredMemos(pair.stored, now_, desk_.collect, desk_.close, desk_.open, saver_);
        outcome.takenIn.keptOriginal = std::move(kept);
        return outcome;
    }

    // Memos that only stand in another order (the registry's, not the file's, as after a start)
    // are no change of this copy's own: the other copy's memos are taken in, not kept aside.
    bool ChangedHere() const
    {
        return differs_ && (saver_.repairNeeded || !SameMemosInAnyOrder(current_, saver_.State()));
    }

    SaveOutcome KeepTheirsAndWrite(const OutsidePair& pair)
    {
        const KeptConflict kept = KeepConflictFiles(pair.bytes, Now(), folder_, budget_);
        if (!kept.result.Ok())
            return {SaveOutcome::Result::Failed, kept.result};
        SaveOutcome outcome = WriteOrUnchanged();
        outcome.conflict = kept.paths;
        return outcome;
    }

    SaveOutcome WaitOrUnchanged() const
    {
        return {differs_ ? SaveOutcome::Result::Waiting : SaveOutcome::Result::Unchanged};
    }

    SYSTEMTIME Now()
    {
        if (!time_) {
            time_.emplace();
            GetLocalTime(&*time_);
        }
        return *time_;
    }

    // The memos deleted since the last save go to the deleted memos' pair before memo.txt loses
    // them; they stay pending when that fails.
    FileResult WriteDeleted()
    {
        if (saver_.deleted.texts.empty())
            return FileResult::Success();
        MemoState newestFirst{{saver_.deleted.texts.rbegin(), saver_.deleted.texts.rend()},
                              {saver_.deleted.infos.rbegin(), saver_.deleted.infos.rend()}};
        const FileResult written = AddDeletedMemos(newestFirst, Now(), folder_, budget_);
        if (written.Ok())
            saver_.deleted = {};
        return written;
    }

    // The first change of a day keeps the pair as it stood; a failure is tried at the next save.
    void KeepTheDaysPair()
    {
        const std::wstring day = DayStamp(Now());
        if (saver_.dayKept != day && KeepDailyPair(Now(), folder_))
            saver_.dayKept = day;
    }

    // Writes both files when the memos differ; the saver takes them only when both were written.
    SaveOutcome WriteOrUnchanged()
    {
        if (!differs_ && saver_.deleted.texts.empty())
            return {SaveOutcome::Result::Unchanged};
        if (const FileResult deleted = WriteDeleted(); !deleted.Ok())
            return {SaveOutcome::Result::Failed, deleted};
        if (!differs_)
            return {SaveOutcome::Result::Written};
        KeepTheDaysPair();
        const FileResult written = WriteMemoFiles(current_, folder_, budget_);
        if (written.Ok()) {
            saver_.Remember(current_);
            saver_.repairNeeded = false;
        }
        // This copy's own write, finished or not, is no change from outside.
        if (watched_)
            saver_.watch = {LookAtMemoFiles(folder_), std::nullopt};
        return written.Ok() ? SaveOutcome{SaveOutcome::Result::Written}
                            : SaveOutcome{SaveOutcome::Result::Failed, written};
    }

    const MemoDesk& desk_;
    MemoSaver& saver_;
    const std::wstring& folder_;
    const SaveMoment moment_;
    const RetryBudget budget_;
    MemoState current_;
    bool differs_ = false;
    bool watched_ = false;
    MemoFileStamps now_;
    std::optional<SYSTEMTIME> time_; // read from the clock when first needed
};
}

SaveOutcome SaveMemoState(const MemoState& current, MemoSaver& saver, const std::wstring& folder,
                          const std::optional<SYSTEMTIME>& now)
{
    const MemoDesk onlyCurrent{[&current] { return current; }, {}, {}, {}};
    return SaveRound(onlyCurrent, saver, folder, SaveMoment::Any, now).Run();
}

SaveOutcome SaveAllMemosWith(const MemoDesk& desk, MemoSaver& saver, const std::wstring& folder, SaveMoment moment,
                             const std::optional<SYSTEMTIME>& now)
{
    PersistenceGuard guard;
    if (!guard.Acquired())
        return {SaveOutcome::Result::Busy};
    return SaveRound(desk, saver, folder, moment, now).Run();
}
