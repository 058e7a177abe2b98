#include "MemoFile.h"

#include "serialize/FileHandle.h"
#include "FileReplacement.h"

#include <algorithm>
#include <limits>

namespace
{
bool IsAbsence(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND;
}

DWORD ReadWholeFile(HANDLE file, std::string& content)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size))
        return GetLastError();
    if (size.QuadPart > std::numeric_limits<int>::max())
        return ERROR_FILE_TOO_LARGE;
    content.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < content.size()) {
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(content.size() - done);
        if (!ReadFile(file, content.data() + done, chunk, &read, nullptr))
            return GetLastError();
        if (read == 0)
            break; // the file shrank meanwhile: keep what is there
        done += read;
    }
    content.resize(done);
    return ERROR_SUCCESS;
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
        FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        return file.Valid() ? ReadWholeFile(file.Get(), result.content) : GetLastError();
    });
    if (error == ERROR_SUCCESS) {
        // Texts never hold a zero byte (window texts end at one), so a zero byte in the file is
        // damage. It is dropped on its own: ending the content there would lose every memo after it
        // at the next save.
        result.content.erase(std::remove(result.content.begin(), result.content.end(), '\0'),
                             result.content.end());
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
