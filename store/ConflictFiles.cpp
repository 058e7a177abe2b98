#include "ConflictFiles.h"

#include "KeptFiles.h"

ConflictNames ConflictNamesAt(const SYSTEMTIME& time, unsigned attempt, const wchar_t* kind)
{
    return {KeptFileName(kMemoFileName, kind, time, attempt), KeptFileName(kInfoFileName, kind, time, attempt)};
}

KeptConflict KeepConflictFiles(const OtherPair& pair, const SYSTEMTIME& time, const std::wstring& folder,
                               RetryBudget budget, const wchar_t* kind)
{
    const KeptFiles kept =
        KeepFiles({{kMemoFileName, &pair.memoBytes}, {kInfoFileName, &pair.infoBytes}}, kind, time, folder, budget);
    if (!kept.result.Ok())
        return {kept.result, {}};
    return {FileResult::Success(), {kept.paths[0], kept.paths[1]}};
}
