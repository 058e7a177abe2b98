#include "ShiftJisSamples.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

// The memo text tests use these bytes as ソ and 表; they are that only in the Japanese code page,
// which the test runner sets.
TEST(MemoTextFile, ShiftJisSamplesAreSoAndHyoInTheJapaneseCodePage)
{
    ASSERT_EQ(GetACP(), 932u);
    wchar_t wide[4] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, (kSo + kHyo).c_str(), 4, wide, 4), 2);
    EXPECT_EQ(std::wstring(wide, 2), L"ソ表");
}
