#include "LibrarySearch.h"

#include "SystemLibrary.h"

#include <windows.h>

void NarrowLibrarySearchToSystemFolder()
{
    // Looked up: Windows 7 has it only with its update KB2533623.
    using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);
    if (auto* setDefault =
            ui::SystemFunction<SetDefaultDllDirectoriesFunction>(L"kernel32.dll", "SetDefaultDllDirectories"))
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Without it, the current folder at least leaves the search; the program's folder cannot.
    SetDllDirectoryW(L"");
}
