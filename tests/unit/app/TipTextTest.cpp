#include "TipText.h"
#include "Application.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(Title, FromTheExecutableNameCutAtTheFirstDot)
{
    EXPECT_EQ("Sample", ui::Application::TitleFromPath("C:\\Apps\\SAMPLE.EXE"));
    EXPECT_EQ("kamifuda",
              ui::Application::TitleFromPath("Z:\\work\\kamifuda.exe")); // the first letter is kept as it is
    EXPECT_EQ("My", ui::Application::TitleFromPath("C:\\x\\My.Memo.exe"));
    EXPECT_EQ("Noext", ui::Application::TitleFromPath("NOEXT"));
}

TEST(TipText, ShortTitleIsCopiedWhole)
{
    char tip[128];
    CopyTipText("Kamifuda", tip);
    EXPECT_STREQ("Kamifuda", tip);
}

TEST(TipText, LongTitleIsCutAt127BytesWithoutSplittingACharacter)
{
    ASSERT_EQ(932u, GetACP()) << "the test runs with the Japanese code page";
    char tip[128];
    CopyTipText(std::string(200, 'a'), tip);
    EXPECT_EQ(127u, strlen(tip));

    // 126 single bytes and then a double-byte character (ソ, 0x83 0x5C) that would end at byte 128.
    std::string title(126, 'b');
    title += "\x83\x5C";
    CopyTipText(title, tip);
    EXPECT_EQ(std::string(126, 'b'), tip);

    // A lead byte at the very end of the title (a broken character) is not copied either.
    CopyTipText("ab\x83", tip);
    EXPECT_STREQ("ab", tip);
}
