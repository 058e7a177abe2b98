#include "FileResult.h"

#include "base/SystemErrorText.h"

#include <utility>

FileResult::FileResult(std::wstring path, DWORD error) : path_(std::move(path)), error_(error) {}

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
    return path_ + L": " + base::SystemErrorText(error_);
}
