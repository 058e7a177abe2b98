#include "MemoFiles.h"

#include "FileReplacement.h"
#include "InfoFile.h"
#include "MemoText.h"
#include "SaveGenerations.h"
#include "base/UniqueHandle.h"

#include <windows.h>

namespace {
// The names of one generation's temporary files in the folder.
struct TemporaryPaths {
    TemporaryPaths(const std::wstring& folder, const DataPair& pair, unsigned generation)
        : memo(PathInFolder(folder, TemporaryName(pair.memo, generation))),
          info(PathInFolder(folder, TemporaryName(pair.info, generation)))
    {}

    std::wstring memo;
    std::wstring info;
};

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

LeftoverFiles FindLeftovers(const std::wstring& folder, const DataPair& pair)
{
    LeftoverFiles left;
    WIN32_FIND_DATAW found;
    const base::UniqueFileSearch search(FindFirstFileW(PathInFolder(folder, L"*").c_str(), &found));
    if (!search)
        return left;
    do {
        if (const auto generation = GenerationOf(found.cFileName, pair.memo))
            left.memo.push_back(*generation);
        else if (const auto generation = GenerationOf(found.cFileName, pair.info))
            left.info.push_back(*generation);
    } while (FindNextFileW(search.Get(), &found));
    return left;
}

// The temporary memo.txt marks its info.ini as one of a save that did not count, so it goes only
// once that is gone.
void RemoveUnfinished(const TemporaryPaths& paths, RetryBudget budget)
{
    if (DeleteFileIfPresent(paths.info, budget).Ok())
        DeleteFileIfPresent(paths.memo, budget);
}

// Reports a failure on a temporary file under the name the user knows.
FileResult AsFailureOf(const std::wstring& path, const FileResult& result)
{
    return result.Ok() ? result : FileResult::Failure(path, result.Error());
}
}

FileResult WriteMemoFiles(const MemoState& state, const std::wstring& folder, RetryBudget budget, const DataPair& pair)
{
    const std::wstring memo = PathInFolder(folder, pair.memo);
    const std::wstring info = PathInFolder(folder, pair.info);
    const TemporaryPaths temporary(folder, pair, NextGeneration(FindLeftovers(folder, pair)));
    FileResult result = AsFailureOf(memo, WriteFileToDisk(temporary.memo, JoinMemoTexts(state.texts), budget));
    if (result.Ok())
        result = AsFailureOf(info, WriteInfoFile(state.infos, temporary.info, budget));
    if (result.Ok())
        result = MoveFileOver(temporary.memo, memo, budget);
    if (!result.Ok()) {
        RemoveUnfinished(temporary, budget);
        return result;
    }
    // From here on memo.txt is new and its temporary info.ini the one that belongs to it; should
    // info.ini stay held, that file waits for the next save or the next start.
    return AsFailureOf(info, FinishInterruptedSave(folder, budget, pair));
}

FileResult FinishInterruptedSave(const std::wstring& folder, RetryBudget budget, const DataPair& pair)
{
    const Cleanup plan = PlanCleanup(FindLeftovers(folder, pair));
    FileResult staleLeft = FileResult::Success();
    for (unsigned generation : plan.staleInfo) {
        const FileResult deleted = DeleteFileIfPresent(TemporaryPaths(folder, pair, generation).info, budget);
        if (!deleted.Ok() && staleLeft.Ok())
            staleLeft = deleted;
    }
    for (unsigned generation : plan.unfinishedMemo) {
        const TemporaryPaths paths(folder, pair, generation);
        if (!FileExists(paths.info))
            DeleteFileIfPresent(paths.memo, budget);
    }
    if (!plan.pairedInfo)
        return FileResult::Success();
    if (!staleLeft.Ok())
        return staleLeft;
    return MoveFileOver(TemporaryPaths(folder, pair, *plan.pairedInfo).info, PathInFolder(folder, pair.info), budget);
}
