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

// Two memos, 買い物 and メモ, line break, ソ, as memo.txt holds them in the code page (the backslash
// byte of ソ doubled), and as another editor saves that file in UTF-8 or UTF-16: there the doubled
// byte is ソ followed by a backslash.
inline const std::string kJapaneseMemoFile = "\x94\x83\x82\xA2\x95\xA8\r\n\x83\x81\x83\x82\\n" + kSo + "\\\r\n";
inline const std::string kJapaneseMemoFileInUtf8 =
    "\xE8\xB2\xB7\xE3\x81\x84\xE7\x89\xA9\r\n\xE3\x83\xA1\xE3\x83\xA2\\n\xE3\x82\xBD\\\r\n";
inline const std::wstring kJapaneseMemoFileText = L"買い物\r\nメモ\\nソ\\\r\n";
inline const std::vector<std::string> kJapaneseMemos{"\x94\x83\x82\xA2\x95\xA8", "\x83\x81\x83\x82\r\n" + kSo};
inline const std::string kUtf8Mark = "\xEF\xBB\xBF";

// Wide text in UTF-16 as another editor saves it, with its byte-order mark.
inline std::string Utf16File(const std::wstring& text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const wchar_t c : text) {
        const char high = static_cast<char>((c >> 8) & 0xFF);
        const char low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}
