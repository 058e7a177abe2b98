#pragma once
// Conversions between the program's three kinds of text: UTF-8 (user-interface texts in the
// sources and form data), UTF-16 (what the wide API shows) and ANSI (memo texts, in the user's
// code page).

#include <string>
#include <string_view>

namespace ui {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
std::wstring AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::wstring_view wide);

// The message text of the last Win32 error, for error messages that name the failed call.
std::string LastErrorText(unsigned long error);

} // namespace ui
