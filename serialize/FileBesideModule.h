#pragma once

#include <string>

namespace Serialize {

// Tells whether a byte opens a double-byte character in the ANSI code page in use.
using LeadBytePredicate = bool (*)(unsigned char byte);

// The full name of a file in the directory of a module: the module's path up to its last
// backslash, a backslash, and the bare file name. A module path without a backslash is kept whole.
//
// The path is an ANSI byte string, so a 0x5C that is the second byte of a double-byte character
// (Shift_JIS "ソ" is 0x83 0x5C) is not a separator; isLeadByte tells where such characters start.
std::string FileBesideModule(const std::string& modulePath, const std::string& fileName,
                             LeadBytePredicate isLeadByte);

} // namespace Serialize
