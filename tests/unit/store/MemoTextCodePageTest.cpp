#include "ShiftJisSamples.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {
std::wstring InTheCodePage(const std::string& bytes)
{
    std::wstring wide(bytes.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(),
                                                             static_cast<int>(bytes.size()), wide.data(),
                                                             static_cast<int>(wide.size()))));
    return wide;
}
} // namespace

// The memo text tests use these bytes as ソ and 表, and the samples as the characters they name;
// they are that only in the Japanese code page, which the test runner sets.
TEST(MemoTextFile, ShiftJisSamplesAreTheirCharactersInTheJapaneseCodePage)
{
    ASSERT_EQ(GetACP(), 932u);
    EXPECT_EQ(InTheCodePage(kSo + kHyo), L"ソ表");
    for (const ShiftJisSample& sample : kShiftJisSamples)
        EXPECT_EQ(InTheCodePage(sample.bytes), sample.characters);
}
