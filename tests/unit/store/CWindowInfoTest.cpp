#include "store/CWindowInfo.h"

#include "ExpectedColours.h"
#include "StorePrinters.h"
#include "TemporaryFolder.h"

#include "serialize/CIniSerialize.h"
#include "serialize/Error.h"

#include <gtest/gtest.h>

namespace {
Serialize::CIniSerialize StoreIn(const TemporaryFolder& folder, const std::string& name)
{
    return Serialize::CIniSerialize(folder.File(name));
}

void Release(const TemporaryFolder& folder, const std::string& name)
{
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, folder.File(name).c_str());
}
}

TEST(CWindowInfo, DefaultIsANewMemosPlaceSizeAndColour)
{
    const CWindowInfo info;
    EXPECT_EQ(info.Left, 390);
    EXPECT_EQ(info.Top, 125);
    EXPECT_EQ(info.Color, 0x00A5FFFF);
    // A 275 x 53 client area, the 5-pixel border on each side and the system's sizing frame of a
    // pop-up tool window.
    RECT frame{0, 0, 0, 0};
    ASSERT_TRUE(AdjustWindowRectEx(&frame, WS_POPUP | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW));
    EXPECT_GT(frame.right - frame.left, 0);
    EXPECT_EQ(info.Width, 275 + 2 * 5 + (frame.right - frame.left));
    EXPECT_EQ(info.Height, 53 + 2 * 5 + (frame.bottom - frame.top));
}

TEST(CWindowInfo, EqualityLooksAtAllSixFields)
{
    const CWindowInfo base(1, 2, 3, 4, 5);
    EXPECT_EQ(base, CWindowInfo(1, 2, 3, 4, 5, 96));
    EXPECT_FALSE(base == CWindowInfo(1, 2, 3, 4, 5, 144));
    EXPECT_FALSE(base == CWindowInfo(0, 2, 3, 4, 5));
    EXPECT_FALSE(base == CWindowInfo(1, 0, 3, 4, 5));
    EXPECT_FALSE(base == CWindowInfo(1, 2, 0, 4, 5));
    EXPECT_FALSE(base == CWindowInfo(1, 2, 3, 0, 5));
    EXPECT_FALSE(base == CWindowInfo(1, 2, 3, 4, 0));
}

TEST(CWindowInfo, SerializeWritesColorFirstThenTheRectangle)
{
    TemporaryFolder folder;
    CWindowInfo info(-5, 7, 120, 40, kRed);
    StoreIn(folder, "w.ini").WriteObject("rec", info);
    Release(folder, "w.ini");
    // The exact bytes of info.ini are the business of WriteInfoFile; here only the order counts.
    const std::string written = folder.Read("w.ini");
    std::size_t previous = 0;
    for (const char* line : {"rec#Color#INT", "rec#Left#INT", "rec#Top#INT", "rec#Width#INT", "rec#Height#INT"}) {
        const std::size_t at = written.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        EXPECT_GT(at, previous) << line;
        previous = at;
    }
    EXPECT_NE(written.find("rec#Color#INT=13158655\r\n"), std::string::npos);
    EXPECT_NE(written.find("rec#Left#INT=-5\r\n"), std::string::npos);

    CWindowInfo back(0, 0, 0, 0, 0);
    StoreIn(folder, "w.ini").ReadObject("rec", back);
    EXPECT_EQ(back, info);
}

TEST(CWindowInfo, MissingColorIsIgnoredAndKeepsTheColour)
{
    TemporaryFolder folder;
    folder.Write("r.ini", "[ROOT]\r\nrec#Left#INT=1\r\nrec#Top#INT=2\r\nrec#Width#INT=3\r\n"
                          "rec#Height#INT=4\r\n");
    CWindowInfo info(0, 0, 0, 0, kGreen);
    StoreIn(folder, "r.ini").ReadObject("rec", info);
    Release(folder, "r.ini");
    EXPECT_EQ(info, CWindowInfo(1, 2, 3, 4, kGreen));
}

TEST(CWindowInfo, MissingGeometryKeyReachesTheCaller)
{
    for (const char* missing : {"Left", "Top", "Width", "Height"}) {
        TemporaryFolder folder;
        std::string content = "[ROOT]\r\nrec#Color#INT=1\r\n";
        for (const char* key : {"Left", "Top", "Width", "Height"}) {
            if (std::string(key) != missing)
                content += std::string("rec#") + key + "#INT=9\r\n";
        }
        folder.Write("r.ini", content);
        CWindowInfo info;
        EXPECT_THROW(StoreIn(folder, "r.ini").ReadObject("rec", info), Serialize::Error) << missing;
        Release(folder, "r.ini");
    }
}
