#pragma once

#include <string>

// Shift_JIS characters whose second byte is a backslash byte (0x5C).
inline const std::string kSo = "\x83\x5C";  // ソ
inline const std::string kHyo = "\x95\x5C"; // 表
