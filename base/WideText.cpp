#include "WideText.h"

#include <windows.h>

#include <set>

namespace base {

namespace {

// WideCharToMultiByte with these flags; usedDefault (when not null) tells whether a character
// became the default character.
std::string FromWide(unsigned codePage, DWORD flags, std::wstring_view text, BOOL* usedDefault)
{
    if (text.empty()) {
        return {};
    }
    const int wideLength = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, flags, text.data(), wideLength, nullptr, 0, nullptr, usedDefault);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), wideLength, bytes.data(), length, nullptr, usedDefault);
    return bytes;
}

bool IsUtf8(unsigned codePage)
{
    return codePage == CP_UTF8 || (codePage == CP_ACP && GetACP() == CP_UTF8);
}

bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The characters of text that the code page turns into its default character. Asked one distinct
// character at a time: the conversion of the whole text only tells whether there is any. ASCII is
// held by every ANSI code page.
std::vector<char32_t> LostCharacters(unsigned codePage, std::wstring_view text)
{
    constexpr char32_t kFirstBeyondAscii = 0x80;
    std::vector<char32_t> lost;
    std::set<char32_t> asked;
    for (std::size_t i = 0; i < text.size();) {
        const bool pair = IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
        const std::wstring_view character = text.substr(i, pair ? 2 : 1);
        i += character.size();
        const char32_t codePoint =
            pair ? 0x10000 + ((static_cast<char32_t>(character[0]) - 0xD800) << 10) + (character[1] - 0xDC00)
                 : static_cast<char32_t>(character[0]);
        if (codePoint < kFirstBeyondAscii || !asked.insert(codePoint).second)
            continue;
        BOOL usedDefault = FALSE;
        FromWide(codePage, WC_NO_BEST_FIT_CHARS, character, &usedDefault);
        if (usedDefault)
            lost.push_back(codePoint);
    }
    return lost;
}

} // namespace

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
    return FromWide(codePage, 0, text, nullptr);
}

std::string WideToAnsi(std::wstring_view text)
{
    return WideToCodePage(CP_ACP, text);
}

std::wstring AnsiToWide(std::string_view text)
{
    return CodePageToWide(CP_ACP, text);
}

CodePageText WideToCodePageChecked(unsigned codePage, std::wstring_view text)
{
    if (IsUtf8(codePage))
        return {WideToCodePage(codePage, text), {}};
    BOOL usedDefault = FALSE;
    CodePageText converted{FromWide(codePage, WC_NO_BEST_FIT_CHARS, text, &usedDefault), {}};
    // The whole text in one call first: a text the code page holds costs no more than before.
    if (usedDefault)
        converted.lost = LostCharacters(codePage, text);
    return converted;
}

CodePageText WideToAnsiChecked(std::wstring_view text)
{
    return WideToCodePageChecked(CP_ACP, text);
}

} // namespace base
