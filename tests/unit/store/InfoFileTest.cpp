#include "store/InfoFile.h"

#include "StorePrinters.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {
const std::string kRecord0 = "info#0#Color#INT=1\r\ninfo#0#Left#INT=10\r\ninfo#0#Top#INT=20\r\ninfo#0#Width#INT=30\r\n"
                             "info#0#Height#INT=40\r\n";
const std::string kRecord1 = "info#1#Color#INT=2\r\ninfo#1#Left#INT=11\r\ninfo#1#Top#INT=21\r\ninfo#1#Width#INT=31\r\n"
                             "info#1#Height#INT=41\r\n";
const CWindowInfo kInfo0(10, 20, 30, 40, 1);
const CWindowInfo kInfo1(11, 21, 31, 41, 2);
// Saved on a monitor of 144 DPI: the one more key, after the rectangle.
const std::string kRecord1At144 = kRecord1 + "info#1#Dpi#INT=144\r\n";
const CWindowInfo kInfo1At144(11, 21, 31, 41, 2, 144);
}

TEST(InfoFileReading, MissingFileGivesNoCountAndNoRecords)
{
    TemporaryFolder folder;
    const InfoRecords read = ReadInfoRecords(3, folder.Path());
    EXPECT_FALSE(read.countRead);
    EXPECT_TRUE(read.records.empty());
    EXPECT_FALSE(read.Complete());
}

TEST(InfoFileReading, CompleteFileGivesEveryRecordEvenBeyondTheWantedOnes)
{
    TemporaryFolder folder;
    folder.Write("info.ini", "[ROOT]\r\ninfo#size#UINT=2\r\n" + kRecord0 + kRecord1);
    const InfoRecords read = ReadInfoRecords(1, folder.Path());
    EXPECT_TRUE(read.Complete());
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[0], kInfo0);
    EXPECT_EQ(read.records[1], kInfo1);
}

TEST(InfoFileReading, AbsurdCountStopsAtTheFirstMissingRecordBeyondTheWantedOnes)
{
    TemporaryFolder folder;
    folder.Write("info.ini", "[ROOT]\r\ninfo#size#UINT=ffffffff\r\n" + kRecord0 + kRecord1);
    const InfoRecords read = ReadInfoRecords(4, folder.Path());
    EXPECT_EQ(read.count, 0xffffffffu);
    EXPECT_FALSE(read.Complete());
    // Records 2 and 3 are wanted and tried; record 4 is not wanted and missing: the end.
    ASSERT_EQ(read.records.size(), 4u);
    EXPECT_EQ(read.records[1], kInfo1);
    EXPECT_FALSE(read.records[2].has_value());
    EXPECT_FALSE(read.records[3].has_value());
}

TEST(InfoFileReading, ValueThatIsNoNumberKeepsTheDefault)
{
    TemporaryFolder folder;
    std::string record = kRecord0;
    record.replace(record.find("Top#INT=20"), 10, "Top#INT=abc");
    folder.Write("info.ini", "[ROOT]\r\ninfo#size#UINT=1\r\n" + record);
    const InfoRecords read = ReadInfoRecords(1, folder.Path());
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0], CWindowInfo(10, 125, 30, 40, 1)) << "a new memo's top";
}

TEST(InfoFileReading, RewrittenFileIsReadAfresh)
{
    // The profile functions cache files; a reader must see what is on the disk now.
    TemporaryFolder folder;
    folder.Write("info.ini", "[ROOT]\r\ninfo#size#UINT=1\r\n" + kRecord0);
    ASSERT_EQ(ReadInfoRecords(1, folder.Path()).records.size(), 1u);
    folder.Write("info.ini", "[ROOT]\r\ninfo#size#UINT=0\r\n");
    EXPECT_TRUE(ReadInfoRecords(1, folder.Path()).records.empty());
}

// A record at 96 DPI has the bytes it always had, so an older Kamifuda reads the file as before and
// ignores the one more key of a record at another DPI; reading a record without it gives 96.
TEST(InfoFileWriting, OnlyARecordAtAnotherDpiThan96CarriesItsDpi)
{
    TemporaryFolder folder;
    ASSERT_TRUE(WriteInfoFile({kInfo0, kInfo1At144}, folder.File("info.ini")).Ok());
    EXPECT_EQ(folder.Read("info.ini"), "[ROOT]\r\ninfo#size#UINT=2\r\n" + kRecord0 + kRecord1At144);
    const InfoRecords read = ReadInfoRecords(2, folder.Path());
    ASSERT_TRUE(read.Complete());
    EXPECT_EQ(read.records[0], kInfo0);
    EXPECT_EQ(read.records[0]->Dpi, 96);
    EXPECT_EQ(read.records[1], kInfo1At144);

    // A Dpi that is no number, or no DPI at all, counts as 96 as a missing one does.
    for (const char* value : {"abc", "0", "-144"}) {
        std::string damaged = kRecord1At144;
        damaged.replace(damaged.find("=144"), 4, std::string("=") + value);
        folder.Write("info.ini", "[ROOT]\r\ninfo#size#UINT=2\r\n" + kRecord0 + damaged);
        const InfoRecords back = ReadInfoRecords(2, folder.Path());
        ASSERT_TRUE(back.Complete()) << value;
        EXPECT_EQ(back.records[1], kInfo1) << value;
    }
}

TEST(InfoFileWriting, WrittenFileHoldsTheLayoutAndNothingOfAnOlderOne)
{
    TemporaryFolder folder;
    folder.Write("info.ini", "[ROOT]\r\ninfo#size#UINT=2\r\n" + kRecord0 + kRecord1 + "[OTHER]\r\nx=1\r\n");
    ASSERT_TRUE(WriteInfoFile({kInfo0}, folder.File("info.ini")).Ok());
    EXPECT_EQ(folder.Read("info.ini"), "[ROOT]\r\ninfo#size#UINT=1\r\n" + kRecord0);
}
