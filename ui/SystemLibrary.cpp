#include "SystemLibrary.h"

#include <string>

namespace ui {
namespace {
// LOAD_LIBRARY_SEARCH_SYSTEM32 is refused with ERROR_INVALID_PARAMETER where Windows 7 lacks the
// update that brought it; the full path under the system folder finds the same file there.
HMODULE LoadFromSystemFolderByPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
}

HMODULE SystemLibrary(const wchar_t* name)
{
    if (HMODULE loaded = GetModuleHandleW(name))
        return loaded;
    if (HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return module;
    return LoadFromSystemFolderByPath(name);
}

FARPROC SystemProcAddress(const wchar_t* library, const char* function)
{
    HMODULE module = SystemLibrary(library);
    return module ? GetProcAddress(module, function) : nullptr;
}

} // namespace ui
