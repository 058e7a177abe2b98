#pragma once

#include <string>
#include <vector>

// Shift_JIS characters whose second byte is a backslash byte (0x5C).
inline const std::string kSo = "\x83\x5C";  // ソ
inline const std::string kHyo = "\x95\x5C"; // 表

// Shift_JIS texts and the characters they are in the Japanese code page. Nearly every one is not
// valid UTF-8 (lead bytes 0x81 to 0x9F are UTF-8 continuation bytes); some are by chance, and
// those that also hold a three-byte sequence are taken for UTF-8 in a memo.txt without a mark.
struct ShiftJisSample {
    std::string bytes;
    std::wstring characters;
    bool takenForUtf8 = false;
};

inline const std::vector<ShiftJisSample> kShiftJisSamples{
    {"\x82\xA9\x82\xC8", L"かな"},
    {"\x83\x4A\x83\x5E\x83\x4A\x83\x69", L"カタカナ"},
    {"\x8A\xBF\x8E\x9A \x94\x83\x82\xA2\x95\xA8", L"漢字 買い物"},
    {kSo + kHyo + "\\n" + kSo, L"ソ表\\nソ"},
    {"\x87\x40\x87\x41 \x87\x54", L"①② Ⅰ"}, // NEC's symbols
    {"\xB1\xB2\xB3", L"ｱｲｳ"},
    {"\xCA\xDF\xBD\xC0", L"ﾊﾟｽﾀ"},
    {"\xD0\xBD", L"ﾐｽ"}, // UTF-8 "н", but no three-byte sequence
    {"\xD0\xBD \xE7\xBB\xB1", L"ﾐｽ 扈ｱ", true},
    {"\xE1\x87\xB1\xE1\x82\xB1", L"瘍ｱ痰ｱ", true},
};
