#pragma once

#include <string>
#include <string_view>

// Conversions between wide text (UTF-16, what the wide API takes and shows) and byte text in a
// code page. Stored texts are kept in the ANSI code page of the system; characters it cannot
// hold become its default character. Windows only.
namespace base {

std::wstring CodePageToWide(unsigned codePage, std::string_view text);
std::string WideToCodePage(unsigned codePage, std::wstring_view text);

std::string WideToAnsi(std::wstring_view text);
std::wstring AnsiToWide(std::string_view text);

} // namespace base
