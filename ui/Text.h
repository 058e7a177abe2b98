#pragma once
// Conversions between UTF-8 (user-interface texts in the sources and form data) and UTF-16 (what
// the wide API shows). Memo texts, in the ANSI code page, convert with base::AnsiToWide.

#include <string>
#include <string_view>

namespace ui {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// The message text of a Win32 error, for error messages that name the failed call.
std::string LastErrorText(unsigned long error);

} // namespace ui
