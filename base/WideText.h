#pragma once

#include <string>
#include <string_view>
#include <vector>

// Conversions between wide text (UTF-16, what the wide API takes and shows) and byte text in a
// code page. Stored texts are kept in the ANSI code page of the system. Windows only.
namespace base {

std::wstring CodePageToWide(unsigned codePage, std::string_view text);
// Characters the code page cannot hold become its default character, or one the system deems
// close (é as e).
std::string WideToCodePage(unsigned codePage, std::wstring_view text);

std::string WideToAnsi(std::wstring_view text);
std::wstring AnsiToWide(std::string_view text);

// Wide text in a code page, and the characters that did not survive: each once, in the order they
// first appear, as code points (a surrogate without its partner stands for itself). Each became
// the code page's default character ("?"), never an approximation: é is lost, not turned into e.
struct CodePageText {
    std::string text;
    std::vector<char32_t> lost;
};

// In a UTF-8 code page nothing is lost (the system refuses the no-best-fit request there).
CodePageText WideToCodePageChecked(unsigned codePage, std::wstring_view text);
CodePageText WideToAnsiChecked(std::wstring_view text);

} // namespace base
