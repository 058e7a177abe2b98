#pragma once

#include <windows.h>

#include <string>

// The outcome of a file operation: success, or which file failed and the Windows error code.
class FileResult {
public:
    static FileResult Success();
    static FileResult Failure(std::wstring path, DWORD error);

    bool Ok() const { return error_ == ERROR_SUCCESS; }
    const std::wstring& Path() const { return path_; }
    DWORD Error() const { return error_; }

    // "<file>: <Windows error text>" for telling the user.
    std::wstring Describe() const;

private:
    FileResult(std::wstring path, DWORD error);

    std::wstring path_;
    DWORD error_;
};
