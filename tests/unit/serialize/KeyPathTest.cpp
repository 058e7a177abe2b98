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

namespace {

bool NoLeadBytes(unsigned char)
{
    return false;
}

// Lead bytes of Shift_JIS (code page 932).
bool ShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace

TEST(FileBesideModule, ReplacesTheExecutableName)
{
    EXPECT_EQ("C:\\Tools\\memo\\info.ini", FileBesideModule("C:\\Tools\\memo\\kamifuda.exe", "info.ini", NoLeadBytes));
    EXPECT_EQ("C:\\info.ini", FileBesideModule("C:\\kamifuda.exe", "info.ini", NoLeadBytes));
    EXPECT_EQ("kamifuda.exe\\info.ini", FileBesideModule("kamifuda.exe", "info.ini", NoLeadBytes));
    EXPECT_EQ("\\info.ini", FileBesideModule("", "info.ini", NoLeadBytes));
}

TEST(FileBesideModule, TrailByte5CIsNoSeparator)
{
    // "ソ" is 0x83 0x5C in Shift_JIS: an executable named "メモソ.exe" must not be cut inside it.
    const std::string exe = "C:\\Tools\\\x83\x81\x83\x82\x83\x5C.exe";
    EXPECT_EQ("C:\\Tools\\info.ini", FileBesideModule(exe, "info.ini", ShiftJisLeadByte));
    // A folder whose name ends in such a character keeps it whole.
    const std::string inFolder = "C:\\\x95\x5C\\kamifuda.exe";
    EXPECT_EQ("C:\\\x95\x5C\\info.ini", FileBesideModule(inFolder, "info.ini", ShiftJisLeadByte));
    // A lead byte at the very end has no trail byte to take.
    EXPECT_EQ("C:\\info.ini", FileBesideModule("C:\\a\x83", "info.ini", ShiftJisLeadByte));
}
