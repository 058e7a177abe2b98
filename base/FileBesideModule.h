#pragma once

#include <string>

namespace base {

// The full name of a file in the directory of a module: the module's path up to its last
// backslash, a backslash, and the bare file name. A module path without a backslash is kept whole.
//
// Wide texts: every character of the path survives, also one that the ANSI code page cannot
// spell, and a backslash is always a separator (in the ANSI form 0x5C can be the second byte of a
// double-byte character).
std::wstring FileBesideModule(const std::wstring& modulePath, const std::wstring& fileName);

} // namespace base
