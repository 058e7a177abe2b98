#pragma once

#include <windows.h>

#include <string>

// Keeps a file open without sharing, as a virus scanner or an editor might, until Release or the
// end of the scope.
class HeldFile
{
public:
    explicit HeldFile(const std::wstring& path)
        : handle(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~HeldFile() { Release(); }

    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool Holding() const { return handle != INVALID_HANDLE_VALUE; }
    void Release()
    {
        if (Holding())
            CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle;
};
