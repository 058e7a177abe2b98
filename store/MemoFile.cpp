#include "MemoFile.h"

#include "FileReading.h"
#include "FileReplacement.h"

#include <algorithm>

namespace {
bool IsAbsence(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND;
}

}

FileResult WriteMemoFile(const std::string& content, const std::wstring& folder, RetryBudget budget)
{
    return ReplaceFileContent(PathInFolder(folder, kMemoFileName), content, budget);
}

MemoFileContent ReadMemoFile(const std::wstring& folder, RetryBudget budget)
{
    MemoFileContent result;
    const FileResult read = ReadFileFromDisk(PathInFolder(folder, kMemoFileName), result.content, budget);
    if (read.Ok()) {
        // Texts never hold a zero byte (window texts end at one), so a zero byte in the file is
        // damage. It is dropped on its own: ending the content there would lose every memo after it
        // at the next save.
        result.content.erase(std::remove(result.content.begin(), result.content.end(), '\0'), result.content.end());
        result.status = MemoFileContent::Status::Read;
    } else if (IsAbsence(read.Error())) {
        result.status = MemoFileContent::Status::Missing;
    } else {
        result.status = MemoFileContent::Status::Unreadable;
        result.failure = read;
    }
    return result;
}
