#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Ways of reading a fuzzer's input as the texts a target needs.

// The input as one byte string, zero bytes included.
inline std::string InputText(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

// The text up to its first zero byte, as a C string or a profile value would hold it.
inline std::string UpToZero(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

// The text cut at every zero byte: texts that hold no zero byte, at least one.
inline std::vector<std::string> SplitAtZeros(const std::string& text)
{
    std::vector<std::string> pieces(1);
    for (const char byte : text) {
        if (byte == '\0') {
            pieces.emplace_back();
        } else {
            pieces.back() += byte;
        }
    }
    return pieces;
}
