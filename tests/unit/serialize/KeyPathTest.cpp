#include <gtest/gtest.h>

#include "FileBesideModule.h"
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

TEST(FileBesideModule, ReplacesTheExecutableName)
{
    EXPECT_EQ(L"C:\\Tools\\memo\\info.ini", FileBesideModule(L"C:\\Tools\\memo\\kamifuda.exe", L"info.ini"));
    EXPECT_EQ(L"C:\\info.ini", FileBesideModule(L"C:\\kamifuda.exe", L"info.ini"));
    EXPECT_EQ(L"kamifuda.exe\\info.ini", FileBesideModule(L"kamifuda.exe", L"info.ini"));
    EXPECT_EQ(L"\\info.ini", FileBesideModule(L"", L"info.ini"));
}
