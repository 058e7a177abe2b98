#include <gtest/gtest.h>

#include "FileBesideModule.h"

using base::FileBesideModule;

TEST(FileBesideModule, ReplacesTheExecutableName)
{
    EXPECT_EQ(L"C:\\Tools\\memo\\info.ini", FileBesideModule(L"C:\\Tools\\memo\\kamifuda.exe", L"info.ini"));
    EXPECT_EQ(L"C:\\info.ini", FileBesideModule(L"C:\\kamifuda.exe", L"info.ini"));
    EXPECT_EQ(L"kamifuda.exe\\info.ini", FileBesideModule(L"kamifuda.exe", L"info.ini"));
    EXPECT_EQ(L"\\info.ini", FileBesideModule(L"", L"info.ini"));
}
