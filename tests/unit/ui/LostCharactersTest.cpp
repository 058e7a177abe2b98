#include "LostCharacters.h"

#include <gtest/gtest.h>

TEST(LostCharactersList, NamesEachWithItsCodePointAndAtMostFive)
{
    EXPECT_EQ(ui::LostCharactersList({0xE9}), L"「é」(U+00E9)");
    EXPECT_EQ(ui::LostCharactersList({0x1F642, 0xD83D}), L"「🙂」(U+1F642)\x3000「」(U+D83D)");
    EXPECT_EQ(ui::LostCharactersList({0x61, 0x62, 0x63, 0x64, 0x65}),
              L"「a」(U+0061)\x3000「b」(U+0062)\x3000「c」(U+0063)\x3000「d」(U+0064)\x3000「e」(U+0065)");
    EXPECT_EQ(ui::LostCharactersList({0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67}),
              L"「a」(U+0061)\x3000「b」(U+0062)\x3000「c」(U+0063)\x3000「d」(U+0064)\x3000「e」(U+0065)\x3000…");
    EXPECT_EQ(ui::LostCharactersList({}), L"");
}
