#include "ConflictFiles.h"

#include "KeptFiles.h"

namespace {
constexpr wchar_t kConflict[] = L"conflict";
}

ConflictNames ConflictNamesAt(const SYSTEMTIME& time, unsigned attempt)
{
    return {KeptFileName(kMemoFileName, kConflict, time, attempt),
            KeptFileName(kInfoFileName, kConflict, time, attempt)};
}

KeptConflict KeepConflictFiles(const OtherPair& pair, const SYSTEMTIME& time, const std::wstring& folder,
                               RetryBudget budget)
{
    const KeptFiles kept = KeepFiles({{kMemoFileName, &pair.memoBytes}, {kInfoFileName, &pair.infoBytes}}, kConflict,
                                     time, folder, budget);
    if (!kept.result.Ok())
        return {kept.result, {}};
    return {FileResult::Success(), {kept.paths[0], kept.paths[1]}};
}
