#include "TestClipboard.h"

#include <cstring>
#include <stdexcept>

namespace testclipboard {

namespace {
constexpr int kOpenAttempts = 750;
constexpr DWORD kOpenRetryMs = 20;
} // namespace

Session::Session()
{
    for (int attempt = 1; !OpenClipboard(nullptr); ++attempt) {
        if (attempt == kOpenAttempts)
            throw std::runtime_error("the test cannot open the clipboard");
        Sleep(kOpenRetryMs);
    }
}

Session::~Session()
{
    CloseClipboard();
}

void Put(UINT format, const std::string& bytes)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory)
        throw std::runtime_error("GlobalAlloc failed");
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    Session clipboard;
    EmptyClipboard();
    // The clipboard owns the memory only once SetClipboardData succeeded.
    if (!SetClipboardData(format, memory)) {
        GlobalFree(memory);
        throw std::runtime_error("SetClipboardData failed");
    }
}

void PutText(const std::string& ansiText)
{
    Put(CF_TEXT, std::string(ansiText.c_str(), ansiText.size() + 1));
}

void Empty()
{
    Session clipboard;
    EmptyClipboard();
}

std::string ReadText()
{
    Session clipboard;
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    return text;
}

UINT PrivateFormat()
{
    return RegisterClipboardFormatW(L"Kamifuda test private data");
}

} // namespace testclipboard
