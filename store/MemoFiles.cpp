#include "MemoFiles.h"

#include "FileReplacement.h"
#include "InfoFile.h"
#include "MemoText.h"

#include <windows.h>

namespace
{
struct PairPaths
{
    explicit PairPaths(const std::wstring& folder)
        : memo(PathInFolder(folder, kMemoFileName)), info(PathInFolder(folder, kInfoFileName)),
          memoTemporary(TemporaryPathFor(memo)), infoTemporary(TemporaryPathFor(info))
    {
    }

    std::wstring memo;
    std::wstring info;
    std::wstring memoTemporary;
    std::wstring infoTemporary;
};

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The temporary memo.txt is the marker of a save whose memo.txt is not yet in place, so it goes
// last: without it, a temporary info.ini is known to be complete.
void RemoveTemporaryFiles(const PairPaths& paths)
{
    DeleteFileIfPresent(paths.infoTemporary);
    DeleteFileIfPresent(paths.memoTemporary);
}

// Reports a failure on a temporary file under the name the user knows.
FileResult AsFailureOf(const std::wstring& path, const FileResult& result)
{
    return result.Ok() ? result : FileResult::Failure(path, result.Error());
}
}

FileResult WriteMemoFiles(const MemoState& state, const std::wstring& folder)
{
    const PairPaths paths(folder);
    FileResult result = AsFailureOf(paths.memo, WriteFileToDisk(paths.memoTemporary,
                                                                JoinMemoTexts(state.texts)));
    if (result.Ok())
        result = AsFailureOf(paths.info, WriteInfoFile(state.infos, paths.infoTemporary));
    if (result.Ok())
        result = MoveFileOver(paths.memoTemporary, paths.memo);
    if (!result.Ok()) {
        RemoveTemporaryFiles(paths);
        return result;
    }
    // From here on memo.txt is new. Should info.ini stay held, its complete temporary file is left
    // for the next save or the next start.
    return MoveFileOver(paths.infoTemporary, paths.info);
}

void FinishInterruptedSave(const std::wstring& folder)
{
    const PairPaths paths(folder);
    // memo.txt is already new, and the temporary info.ini is the only record of its memos' places:
    // while info.ini is held it stays for a later start.
    if (!FileExists(paths.memoTemporary) && FileExists(paths.infoTemporary) &&
        !MoveFileOver(paths.infoTemporary, paths.info).Ok())
        return;
    RemoveTemporaryFiles(paths);
}
