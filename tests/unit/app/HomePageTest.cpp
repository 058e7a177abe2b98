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

TEST(HomePageCommand, ExplorerByItsFullPathWithTheAddressQuotedOnlyWhenItHasBlanks)
{
    const std::wstring explorer = L"C:\\Windows\\explorer.exe";
    EXPECT_EQ(L"\"C:\\Windows\\explorer.exe\" https://example.org/kamifuda/",
              HomePageCommand(explorer, L"https://example.org/kamifuda/"));
    EXPECT_EQ(L"\"C:\\Windows\\explorer.exe\" C:\\Tools\\kamifuda.html",
              HomePageCommand(explorer, L"C:\\Tools\\kamifuda.html"));
    EXPECT_EQ(L"\"C:\\Windows\\explorer.exe\" \"C:\\Program Files\\Kamifuda\\kamifuda.html\"",
              HomePageCommand(explorer, L"C:\\Program Files\\Kamifuda\\kamifuda.html"));
    EXPECT_EQ(L"\"C:\\Windows\\explorer.exe\" \"C:\\A B\\k.html\"", HomePageCommand(explorer, L"\"C:\\A B\\k.html\""));
    EXPECT_EQ(L"\"D:\\My Windows\\explorer.exe\" C:\\Tools\\kamifuda.html",
              HomePageCommand(L"D:\\My Windows\\explorer.exe", L"C:\\Tools\\kamifuda.html"));
}
