#include "Clipboard.h"

#include "ClipboardSession.h"

#include <cstring>
#include <stdexcept>

namespace e2e {

namespace {

// The clipboard takes ownership of the memory only when SetClipboardData succeeds.
void SetClipboardBytes(UINT format, const char* bytes, size_t size)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) {
        throw std::runtime_error("GlobalAlloc failed");
    }
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        throw std::runtime_error("SetClipboardData failed");
    }
}

} // namespace

void PutTextOnClipboard(const std::string& text)
{
    ClipboardSession session;
    EmptyClipboard();
    SetClipboardBytes(CF_TEXT, text.c_str(), text.size() + 1);
}

void PutDataOnClipboard(UINT format, const std::string& bytes)
{
    ClipboardSession session;
    EmptyClipboard();
    SetClipboardBytes(format, bytes.data(), bytes.size());
}

void EmptyTheClipboard()
{
    ClipboardSession session;
    EmptyClipboard();
}

std::string ClipboardText()
{
    ClipboardSession session;
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    return text;
}

UINT NonTextClipboardFormat()
{
    return RegisterClipboardFormatW(L"Kamifuda e2e private data");
}

} // namespace e2e
