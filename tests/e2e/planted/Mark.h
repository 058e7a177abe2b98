/* The mark a planted stand-in leaves when it is run or loaded: an empty file beside it, named after
   its own file with ".mark" added (explorer.exe.mark, version.dll.mark). */
#pragma once

#include <windows.h>

static void LeaveMark(HMODULE self)
{
    wchar_t path[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    lstrcatW(path, L".mark");
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}
