#include "TestClipboard.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace testclipboard {

namespace {
constexpr int kOpenAttempts = 750;
constexpr DWORD kOpenRetryMs = 20;

// Who keeps the clipboard open: its window's class and process, for the failure message.
std::string ClipboardHolder()
{
    HWND holder = GetOpenClipboardWindow();
    if (!holder)
        return "no window (a thread without one)";
    char className[256] = "";
    GetClassNameA(holder, className, sizeof className);
    DWORD process = 0;
    GetWindowThreadProcessId(holder, &process);
    return std::string("the window of class \"") + className + "\" of process " + std::to_string(process) +
           (process == GetCurrentProcessId() ? " (this test)" : "");
}
} // namespace

Session::Session()
{
    for (int attempt = 1; !OpenClipboard(nullptr); ++attempt) {
        if (attempt == kOpenAttempts)
            throw std::runtime_error("the test cannot open the clipboard: it is held open by " + ClipboardHolder());
        Sleep(kOpenRetryMs);
    }
}

Session::~Session()
{
    CloseClipboard();
}

namespace {
// A copy of the bytes in movable global memory, as the clipboard takes data.
HGLOBAL GlobalCopy(const std::string& bytes)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory)
        throw std::runtime_error("GlobalAlloc failed");
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    return memory;
}

// The data under this format, as many bytes as the clipboard holds; empty when there is none.
std::string Data(UINT format)
{
    Session clipboard;
    std::string bytes;
    if (HANDLE data = GetClipboardData(format)) {
        if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
            bytes.assign(locked, GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    return bytes;
}
} // namespace

void Put(UINT format, const std::string& bytes)
{
    PutInOrder({{format, bytes}});
}

void PutInOrder(const std::vector<std::pair<UINT, std::string>>& formats)
{
    Session clipboard;
    EmptyClipboard();
    for (const auto& [format, bytes] : formats) {
        HGLOBAL memory = GlobalCopy(bytes);
        // The clipboard owns the memory only once SetClipboardData succeeded.
        if (!SetClipboardData(format, memory)) {
            GlobalFree(memory);
            throw std::runtime_error("SetClipboardData failed");
        }
    }
}

std::string TextBytes(const std::string& ansiText)
{
    return std::string(ansiText.c_str(), ansiText.size() + 1);
}

std::string TextBytes(const std::wstring& text)
{
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

void PutText(const std::string& ansiText)
{
    Put(CF_TEXT, TextBytes(ansiText));
}

void PutUnicodeText(const std::wstring& text)
{
    Put(CF_UNICODETEXT, TextBytes(text));
}

void Empty()
{
    Session clipboard;
    EmptyClipboard();
}

std::string ReadText()
{
    const std::string bytes = Data(CF_TEXT);
    return bytes.substr(0, bytes.find('\0'));
}

std::wstring ReadUnicodeText()
{
    const std::string bytes = Data(CF_UNICODETEXT);
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

LCID ReadLocale()
{
    const std::string bytes = Data(CF_LOCALE);
    LCID locale = 0;
    if (bytes.size() >= sizeof locale)
        std::memcpy(&locale, bytes.data(), sizeof locale);
    return locale;
}

std::vector<UINT> Formats()
{
    Session clipboard;
    std::vector<UINT> formats;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format))
        formats.push_back(format);
    return formats;
}

UINT PrivateFormat()
{
    return RegisterClipboardFormatW(L"Kamifuda test private data");
}

} // namespace testclipboard
