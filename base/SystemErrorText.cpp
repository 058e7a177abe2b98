#include "SystemErrorText.h"

#include "UniqueHandle.h"

#include <windows.h>

namespace base {

std::wstring SystemErrorText(unsigned long error)
{
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    // The system allocated the text; it goes back even when the copy below runs out of memory.
    const UniqueHandle<NullableHandleTraits<HLOCAL, LocalFree>> allocated(buffer);
    std::wstring text = length != 0 ? std::wstring(buffer, length) : std::wstring();
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty())
        text = L"error " + std::to_wstring(error);
    return text;
}

} // namespace base
