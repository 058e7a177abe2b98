#pragma once

#include <windows.h>

// Owns a handle from CreateFileW and closes it; not copyable. Used by the INI store and by store/.
class FileHandle
{
public:
    explicit FileHandle(HANDLE handle) : handle(handle) {}
    ~FileHandle()
    {
        if (Valid())
            CloseHandle(handle);
    }

    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool Valid() const { return handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle; }

private:
    HANDLE handle;
};
