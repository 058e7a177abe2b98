#include "Clipboard.h"

#include "Application.h"
#include "Error.h"
#include "Handles.h"
#include "Text.h"

#include <cstring>

namespace ui {

namespace {
// Clipboard viewers and managers open the clipboard for a moment whenever it changes, so a first
// refusal is common and brief: the open is tried again for about half a second before the user is
// told that another program holds it.
constexpr int kOpenAttempts = 20;
constexpr DWORD kOpenRetryMilliseconds = 25;
} // namespace

ClipboardScope::ClipboardScope(HWND owner)
{
    for (int attempt = 1; !OpenClipboard(owner); ++attempt) {
        const DWORD error = GetLastError();
        if (attempt == kOpenAttempts)
            throw Error("クリップボードを開けません。ほかのプログラムが使用中です。(" + LastErrorText(error) + ")");
        Sleep(kOpenRetryMilliseconds);
    }
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
    memory.Release(); // the clipboard owns the block now
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
