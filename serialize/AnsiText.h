#pragma once

#include <string>

// Conversions between the user-interface strings (UTF-16) and the ANSI code page of the system,
// in which every stored text is kept. Characters the code page cannot hold become its default
// character. Windows only.
namespace Serialize {

std::string WideToAnsi(const std::wstring& text);
std::wstring AnsiToWide(const std::string& text);

} // namespace Serialize
