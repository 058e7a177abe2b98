#include "TestClipboard.h"

#include <cstring>
#include <stdexcept>

namespace testclipboard {

namespace {

// The clipboard opened for a scope. Opening fails while another program holds the clipboard for a
// moment; it is tried a few times.
class OpenClipboardScope {
public:
    OpenClipboardScope()
    {
        for (int attempt = 0; !OpenClipboard(nullptr); ++attempt) {
            if (attempt == 50)
                throw std::runtime_error("the test cannot open the clipboard");
            Sleep(20);
        }
    }
    ~OpenClipboardScope() { CloseClipboard(); }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

} // namespace

void Put(UINT format, const std::string& bytes)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory)
        throw std::runtime_error("GlobalAlloc failed");
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    OpenClipboardScope clipboard;
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
    OpenClipboardScope clipboard;
    EmptyClipboard();
}

std::string ReadText()
{
    OpenClipboardScope clipboard;
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    return text;
}

} // namespace testclipboard
