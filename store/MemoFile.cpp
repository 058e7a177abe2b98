#include "MemoFile.h"

#include "FileReplacement.h"
#include "serialize/UniqueHandle.h"

#include <algorithm>

namespace {
bool IsAbsence(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND;
}

}

FileResult WriteMemoFile(const std::string& content, const std::wstring& folder)
{
    return ReplaceFileContent(PathInFolder(folder, kMemoFileName), content);
}

MemoFileContent ReadMemoFile(const std::wstring& folder)
{
    const std::wstring path = PathInFolder(folder, kMemoFileName);
    MemoFileContent result;
    const DWORD error = RetryWhileFileIsHeld([&] {
        const Serialize::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        return file ? ReadWholeFile(file.Get(), result.content) : GetLastError();
    });
    if (error == ERROR_SUCCESS) {
        // Texts never hold a zero byte (window texts end at one), so a zero byte in the file is
        // damage. It is dropped on its own: ending the content there would lose every memo after it
        // at the next save.
        result.content.erase(std::remove(result.content.begin(), result.content.end(), '\0'), result.content.end());
        result.status = MemoFileContent::Status::Read;
    } else if (IsAbsence(error)) {
        result.content.clear();
        result.status = MemoFileContent::Status::Missing;
    } else {
        result.content.clear();
        result.status = MemoFileContent::Status::Unreadable;
        result.failure = FileResult::Failure(path, error);
    }
    return result;
}
