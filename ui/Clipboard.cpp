#include "Clipboard.h"

#include "Application.h"
#include "Error.h"
#include "Handles.h"
#include "Text.h"

#include <cstring>
#include <cwchar>

namespace ui {

namespace {
// Clipboard viewers and managers open the clipboard for a moment whenever it changes, so a first
// refusal is common and brief: the open is tried again for about half a second before the user is
// told that another program holds it.
constexpr int kOpenAttempts = 20;
constexpr DWORD kOpenRetryMilliseconds = 25;

// A copy of the bytes in movable global memory, as the clipboard takes data.
UniqueGlobalMemory GlobalCopy(const void* data, std::size_t size)
{
    UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory)
        ThrowLastError("GlobalAlloc");
    GlobalLockScope lock(memory.Get());
    if (!lock.Data())
        ThrowLastError("GlobalLock");
    std::memcpy(lock.Data(), data, size);
    return memory;
}

// Hands the memory to the open clipboard, which owns it from then on.
void Place(UINT format, UniqueGlobalMemory memory)
{
    if (!SetClipboardData(format, memory.Get()))
        ThrowLastError("SetClipboardData");
    memory.Release();
}

// CF_TEXT or CF_UNICODETEXT, whichever comes first in the clipboard's order; 0 for neither.
UINT FirstTextFormat()
{
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format))
        if (format == CF_TEXT || format == CF_UNICODETEXT)
            return format;
    return 0;
}

// The data of the open clipboard in a text format, up to its terminating zero or its end. The data
// belongs to the clipboard; a failure to read it gives the empty text.
template <class Char>
std::basic_string<Char> TextData(UINT format)
{
    HGLOBAL data = GetClipboardData(format);
    GlobalLockScope lock(data);
    const auto* text = static_cast<const Char*>(lock.Data());
    if (!text)
        return {};
    const std::size_t most = GlobalSize(data) / sizeof(Char);
    std::size_t length = 0;
    while (length < most && text[length] != Char{})
        ++length;
    return std::basic_string<Char>(text, length);
}
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
    // Ours until the clipboard takes them: freed when opening the clipboard or handing them over fails.
    UniqueGlobalMemory ansi = GlobalCopy(text.c_str(), text.size() + 1);
    const std::wstring wide = base::AnsiToWide(text);
    UniqueGlobalMemory unicode = GlobalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    const LCID systemLocale = GetSystemDefaultLCID();
    UniqueGlobalMemory locale = GlobalCopy(&systemLocale, sizeof systemLocale);
    ClipboardScope clipboard(owner);
    EmptyClipboard();
    Place(CF_TEXT, std::move(ansi));
    Place(CF_UNICODETEXT, std::move(unicode));
    Place(CF_LOCALE, std::move(locale));
}

base::CodePageText ClipboardTextAnsi(HWND owner)
{
    ClipboardScope clipboard(owner);
    switch (FirstTextFormat()) {
    case CF_TEXT:
        return {TextData<char>(CF_TEXT), {}};
    case CF_UNICODETEXT:
        return base::WideToAnsiChecked(TextData<wchar_t>(CF_UNICODETEXT));
    default:
        return {};
    }
}

base::CodePageText GetClipboardText()
{
    return ClipboardTextAnsi(Application::Instance().Handle());
}

} // namespace ui
