#include <gtest/gtest.h>

#include <pcre2posix.h>

// The PCRE2 built for the target answers through its POSIX-style interface.
TEST(Pcre2Build, PosixInterfaceMatches)
{
    regex_t re;
    ASSERT_EQ(0, regcomp(&re, "a+", 0));
    regmatch_t m[1];
    ASSERT_EQ(0, regexec(&re, "baa", 1, m, 0));
    EXPECT_EQ(1, m[0].rm_so);
    EXPECT_EQ(3, m[0].rm_eo);
    regfree(&re);
}
