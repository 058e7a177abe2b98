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

// Windows' own explorer.exe, by its full path in the Windows folder. Never by its bare name: that
// search begins in the program's own folder, where a planted explorer.exe would run instead. Empty
// if the system cannot tell its Windows folder.
std::wstring ExplorerPath();

// The explorer program, quoted, and the address, which explorer hands to the web browser. An address
// with blanks in it (a local path) is quoted, so that it reaches explorer as one argument.
std::wstring HomePageCommand(const std::wstring& explorer, const std::wstring& address);
