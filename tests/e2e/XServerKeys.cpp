#include "XServerKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace e2e {

namespace {

constexpr char kXdotool[] = "/usr/bin/xdotool";

// Wine's own export that turns a Unix path into the name the Windows side knows it by.
using DosFileNameOf = WCHAR*(CDECL*)(const char* unixPath);

DosFileNameOf WineDosFileName()
{
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    FARPROC function = kernel ? GetProcAddress(kernel, "wine_get_dos_file_name") : nullptr;
    return reinterpret_cast<DosFileNameOf>(reinterpret_cast<void*>(function));
}

// The X keysym xdotool names the left-hand key of each modifier by.
const wchar_t* KeysymOf(WORD virtualKey)
{
    switch (virtualKey) {
    case VK_SHIFT:
        return L"Shift_L";
    case VK_CONTROL:
        return L"Control_L";
    case VK_MENU:
        return L"Alt_L";
    default:
        return nullptr;
    }
}

// xdotool's Windows name, for CreateProcess; empty if it is not there.
std::wstring XdotoolPath()
{
    const DosFileNameOf dosFileName = WineDosFileName();
    WCHAR* name = dosFileName ? dosFileName(kXdotool) : nullptr;
    if (!name)
        return {};
    std::wstring path = name;
    HeapFree(GetProcessHeap(), 0, name);
    return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES ? std::wstring() : path;
}

} // namespace

bool UnderWine()
{
    return WineDosFileName() != nullptr;
}

bool SendModifierToXServer(WORD virtualKey, bool down)
{
    const wchar_t* keysym = KeysymOf(virtualKey);
    if (!keysym) {
        ADD_FAILURE() << "no X keysym for the virtual key " << virtualKey;
        return false;
    }
    const std::wstring xdotool = XdotoolPath();
    if (xdotool.empty()) {
        ADD_FAILURE() << kXdotool << " is missing (tools/setup installs it)";
        return false;
    }
    std::wstring commandLine = L"\"" + xdotool + L"\" " + (down ? L"keydown " : L"keyup ") + keysym;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(xdotool.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        ADD_FAILURE() << kXdotool << " could not be started, error " << GetLastError();
        return false;
    }
    // Wine starts a Unix program with fork and exec and reports success without making handles:
    // what it leaves in `started` is not ours. Closing those values closed a handle of this
    // process's own in the 32-bit test program (its window station's: from then on, no
    // OpenClipboard of the test succeeded), so they are left alone.
    return true;
}

} // namespace e2e
