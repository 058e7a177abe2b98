#include "DeletedMemos.h"

#include "ConflictFiles.h"
#include "FileReading.h"
#include "InfoFile.h"
#include "MemoFiles.h"
#include "MemoText.h"

#include <algorithm>
#include <utility>

namespace {
// Reads one file's bytes; absent is empty. The first failure of another kind goes to failure.
void ReadBytes(const std::wstring& folder, const wchar_t* name, std::string& bytes, FileResult& failure,
               RetryBudget budget)
{
    const FileResult read = ReadFileFromDisk(PathInFolder(folder, name), bytes, budget);
    if (!read.Ok() && read.Error() != ERROR_FILE_NOT_FOUND && failure.Ok())
        failure = read;
}

// The texts with their records; a text beyond the records or with a damaged one keeps a new memo's
// place and colour, an empty text (damage: nothing was ever kept without a text) is dropped.
bool PairTextsWithRecords(const std::vector<std::string>& texts, const InfoRecords& records, MemoState& memos)
{
    bool whole = records.Complete() && records.count == texts.size();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const bool hasRecord = i < records.records.size() && records.records[i];
        if (texts[i].empty()) {
            whole = false;
            continue;
        }
        memos.Add(texts[i], hasRecord ? *records.records[i] : CWindowInfo());
    }
    return whole;
}

// Writes memos as the whole list, the unreadable pair first kept aside.
FileResult WriteDeletedMemos(const DeletedMemos& read, const MemoState& memos, const SYSTEMTIME& time,
                             const std::wstring& folder, RetryBudget budget)
{
    if (!read.failure.Ok())
        return read.failure;
    if (!read.whole) {
        const KeptConflict kept =
            KeepConflictFiles({read.memoBytes, read.infoBytes}, time, folder, budget, kUnreadableDeletedKind);
        if (!kept.result.Ok())
            return kept.result;
    }
    return WriteMemoFiles(memos, folder, budget, kDeletedPair);
}
}

DeletedMemos ReadDeletedMemos(const std::wstring& folder, RetryBudget budget)
{
    DeletedMemos deleted;
    // A save of the list cut short is finished first, as the main pair's is at start; a pair that
    // still does not fit is kept aside below.
    FinishInterruptedSave(folder, budget, kDeletedPair);
    ReadBytes(folder, kDeletedPair.memo, deleted.memoBytes, deleted.failure, budget);
    ReadBytes(folder, kDeletedPair.info, deleted.infoBytes, deleted.failure, budget);
    if (deleted.memoBytes.empty() && deleted.infoBytes.empty())
        return deleted;
    std::string content = deleted.memoBytes;
    // A zero byte is damage; dropped on its own, as memo.txt's are.
    content.erase(std::remove(content.begin(), content.end(), '\0'), content.end());
    const std::vector<std::string> texts = SplitMemoTexts(content);
    const InfoRecords records = ReadInfoRecords(texts.size(), folder, kDeletedPair.info);
    const bool paired = PairTextsWithRecords(texts, records, deleted.memos);
    deleted.whole = paired && content.size() == deleted.memoBytes.size();
    return deleted;
}

FileResult AddDeletedMemos(const MemoState& newestFirst, const SYSTEMTIME& time, const std::wstring& folder,
                           RetryBudget budget)
{
    const DeletedMemos read = ReadDeletedMemos(folder, budget);
    MemoState memos = newestFirst;
    for (std::size_t i = 0; i < read.memos.texts.size() && memos.texts.size() < kMostDeletedMemos; ++i)
        memos.Add(read.memos.texts[i], read.memos.infos[i]);
    if (memos.texts.size() > kMostDeletedMemos) {
        memos.texts.resize(kMostDeletedMemos);
        memos.infos.resize(kMostDeletedMemos);
    }
    return WriteDeletedMemos(read, memos, time, folder, budget);
}

FileResult RemoveDeletedMemo(const std::string& text, const CWindowInfo& info, const SYSTEMTIME& time,
                             const std::wstring& folder, RetryBudget budget)
{
    const DeletedMemos read = ReadDeletedMemos(folder, budget);
    MemoState memos = read.memos;
    for (std::size_t i = 0; i < memos.texts.size(); ++i) {
        if (memos.texts[i] == text && memos.infos[i] == info) {
            memos.texts.erase(memos.texts.begin() + static_cast<std::ptrdiff_t>(i));
            memos.infos.erase(memos.infos.begin() + static_cast<std::ptrdiff_t>(i));
            return WriteDeletedMemos(read, memos, time, folder, budget);
        }
    }
    return FileResult::Success();
}
