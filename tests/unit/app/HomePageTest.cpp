#include "HomePage.h"

#include <gtest/gtest.h>

TEST(HomePageAddress, ConfiguredAddressWins)
{
    EXPECT_EQ(L"https://example.org/kamifuda/",
              HomePageAddress(L"https://example.org/kamifuda/", L"C:\\Tools\\kamifuda.exe", L"kamifuda.html"));
}

TEST(HomePageAddress, OtherwiseTheGuideBesideTheExecutable)
{
    EXPECT_EQ(L"C:\\Tools\\kamifuda.html", HomePageAddress(L"", L"C:\\Tools\\kamifuda.exe", L"kamifuda.html"));
    EXPECT_EQ(L"Z:/tmp/run/kamifuda.html", HomePageAddress(L"", L"Z:/tmp/run/kamifuda.exe", L"kamifuda.html"));
    // ソ and 表 end in the byte 0x5C in Shift_JIS; as wide text they are not folder separators.
    EXPECT_EQ(L"C:\\ソフト表\\kamifuda.html", HomePageAddress(L"", L"C:\\ソフト表\\付箋.exe", L"kamifuda.html"));
    EXPECT_EQ(L"kamifuda.html", HomePageAddress(L"", L"kamifuda.exe", L"kamifuda.html"));
}

TEST(HomePageCommand, ExplorerWithTheAddressQuotedOnlyWhenItHasBlanks)
{
    EXPECT_EQ(L"explorer https://example.org/kamifuda/", HomePageCommand(L"https://example.org/kamifuda/"));
    EXPECT_EQ(L"explorer C:\\Tools\\kamifuda.html", HomePageCommand(L"C:\\Tools\\kamifuda.html"));
    EXPECT_EQ(L"explorer \"C:\\Program Files\\Kamifuda\\kamifuda.html\"",
              HomePageCommand(L"C:\\Program Files\\Kamifuda\\kamifuda.html"));
    EXPECT_EQ(L"explorer \"C:\\A B\\k.html\"", HomePageCommand(L"\"C:\\A B\\k.html\""));
}
