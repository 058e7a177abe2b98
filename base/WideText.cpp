#include "WideText.h"

#include <windows.h>

namespace base {

std::wstring CodePageToWide(unsigned codePage, std::string_view text)
{
    if (text.empty()) {
        return {};
    }
    const int byteLength = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), byteLength, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), byteLength, wide.data(), length);
    return wide;
}

std::string WideToCodePage(unsigned codePage, std::wstring_view text)
{
    if (text.empty()) {
        return {};
    }
    const int wideLength = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), wideLength, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::string WideToAnsi(std::wstring_view text)
{
    return WideToCodePage(CP_ACP, text);
}

std::wstring AnsiToWide(std::string_view text)
{
    return CodePageToWide(CP_ACP, text);
}

} // namespace base
