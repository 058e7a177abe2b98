#include "Clipboard.h"

#include "Application.h"
#include "Error.h"
#include "Handles.h"
#include "Text.h"

#include <cstring>

namespace ui {

namespace {

// Other programs open the clipboard for a moment, most often right after it changed: clipboard
// viewers and managers, a program that reads what we have just copied. It counts as held only
// when it stays so for about a quarter of a second.
constexpr DWORD kOpenRetryPausesMs[] = {5, 10, 20, 40, 80, 100};

bool OpenWithRetries(HWND owner)
{
    if (OpenClipboard(owner))
        return true;
    for (DWORD pause : kOpenRetryPausesMs) {
        Sleep(pause);
        if (OpenClipboard(owner))
            return true;
    }
    return false;
}

} // namespace

ClipboardScope::ClipboardScope(HWND owner)
{
    if (!OpenWithRetries(owner))
        throw Error("クリップボードを開けません。ほかのプログラムが使用中です。(" + LastErrorText(GetLastError()) + ")");
}

ClipboardScope::~ClipboardScope()
{
    CloseClipboard();
}

void SetClipboardTextAnsi(HWND owner, const std::string& text)
{
    // Ours until the clipboard takes it: freed when opening the clipboard or handing it over fails.
    UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory)
        ThrowLastError("GlobalAlloc");
    {
        GlobalLockScope lock(memory.Get());
        if (!lock.Data())
            ThrowLastError("GlobalLock");
        std::memcpy(lock.Data(), text.c_str(), text.size() + 1);
    }
    ClipboardScope clipboard(owner);
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, memory.Get()))
        ThrowLastError("SetClipboardData");
    memory.Release();  // the clipboard owns the block now
}

std::string ClipboardTextAnsi(HWND owner)
{
    ClipboardScope clipboard(owner);
    std::string result;
    // The data belongs to the clipboard; a failure to read it leaves the result empty.
    HGLOBAL data = GetClipboardData(CF_TEXT);
    GlobalLockScope lock(data);
    if (const char* text = static_cast<const char*>(lock.Data()))
        result.assign(text, strnlen(text, GlobalSize(data)));
    return result;
}

std::string GetClipboardText()
{
    return ClipboardTextAnsi(Application::Instance().Handle());
}

} // namespace ui
