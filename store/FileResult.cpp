#include "FileResult.h"

#include <utility>

FileResult::FileResult(std::wstring path, DWORD error) : path(std::move(path)), error(error) {}

FileResult FileResult::Success()
{
    return FileResult({}, ERROR_SUCCESS);
}

FileResult FileResult::Failure(std::wstring path, DWORD error)
{
    // A failure must never read as success, even when the caller lost the error code.
    return FileResult(std::move(path), error == ERROR_SUCCESS ? ERROR_GEN_FAILURE : error);
}

std::wstring FileResult::Describe() const
{
    return path + L": " + WindowsErrorText(error);
}

std::wstring WindowsErrorText(DWORD error)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length != 0 ? std::wstring(buffer, length)
                                    : L"error " + std::to_wstring(error);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text;
}
