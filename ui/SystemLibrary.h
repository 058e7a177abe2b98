#pragma once
// Functions of Windows' own libraries that not every supported Windows has (the program still
// starts on Windows 7) are looked up at run time, here and nowhere else. A library is only ever
// taken from the system folder: a file of the same name beside kamifuda.exe (a planted DLL) is
// never loaded.

#include <windows.h>

namespace ui {

// The module of a system library, loaded from the system folder when it is not loaded yet; null
// when the system has no such library. Loaded libraries stay loaded for the rest of the run.
HMODULE SystemLibrary(const wchar_t* name);

// The address of a function of a system library, or null when this Windows lacks it.
FARPROC SystemProcAddress(const wchar_t* library, const char* function);

// The same, typed: SystemFunction<decltype(GetDpiForWindow)>(L"user32.dll", "GetDpiForWindow").
template <class Function>
Function* SystemFunction(const wchar_t* library, const char* function)
{
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(SystemProcAddress(library, function)));
}

} // namespace ui
