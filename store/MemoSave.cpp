#include "MemoSave.h"

#include "MemoFiles.h"
#include "PersistenceGuard.h"

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

SaveOutcome SaveAllMemosWith(const std::function<MemoState()>& collect, MemoSaver& saver,
                             const std::wstring& folder)
{
    PersistenceGuard guard;
    if (!guard.Acquired())
        return {SaveOutcome::Result::Busy};
    return SaveMemoState(collect(), saver, folder);
}
