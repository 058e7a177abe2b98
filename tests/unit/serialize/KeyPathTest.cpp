#include <gtest/gtest.h>

#include "KeyPath.h"

using namespace Serialize;

TEST(KeyPath, ComponentsJoinedWithHash)
{
    EXPECT_EQ("info#0#Left#INT ", JoinKeyPath({"info", "0", "Left", "INT "}));
    EXPECT_EQ("info#size#UINT", JoinKeyPath({"info", "size", "UINT"}));
    EXPECT_EQ("single", JoinKeyPath({"single"}));
    EXPECT_EQ("", JoinKeyPath({}));
}

TEST(KeyPath, EmptyComponents)
{
    EXPECT_EQ("a#INT ", JoinKeyPath({"", "a", "INT "}));
    EXPECT_EQ("a", JoinKeyPath({"", "", "a"}));
    EXPECT_EQ("a##b", JoinKeyPath({"a", "", "b"}));
    EXPECT_EQ("a#", JoinKeyPath({"a", ""}));
}
