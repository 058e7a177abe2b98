#include "AnsiText.h"

#include <windows.h>

namespace Serialize {

std::string WideToAnsi(const std::wstring& text)
{
    if (text.empty()) {
        return {};
    }
    const int wideLength = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::wstring AnsiToWide(const std::string& text)
{
    if (text.empty()) {
        return {};
    }
    const int byteLength = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), byteLength, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), byteLength, wide.data(), length);
    return wide;
}

} // namespace Serialize
