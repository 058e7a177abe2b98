#pragma once
// Where the About dialog's link leads, and the command that opens it.

#include <string>

// The configured address; when none is configured, the user guide that ships beside the executable
// (the file `guideName` in the folder of `executablePath`). Wide texts: a path in the ANSI code page
// can hold a backslash byte inside a double-byte character.
std::wstring HomePageAddress(const std::wstring& configured, const std::wstring& executablePath,
                             const std::wstring& guideName);
// The address for this program: the build's configured home page, or the user guide beside the
// running executable.
std::wstring HomePageAddress();

// "explorer " and the address, which the shell opens in the web browser. An address with blanks in
// it (a local path) is quoted, so that it reaches explorer as one argument.
std::wstring HomePageCommand(const std::wstring& address);
