// CIniSerialize keeps a section in memory for one save or load and writes it once. These tests hold
// the files it writes against those of the plain way, one WritePrivateProfileStringA per value,
// byte for byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <windows.h>

#include "CIniSerialize.h"
#include "Error.h"
#include "Exchange.h"
#include "FileBytes.h"
#include "KeyPath.h"
#include "Records.h"
#include "TargetIsVector.h"

using Serialize::CIniSerialize;

namespace {

constexpr char kSection[] = "ROOT";
constexpr char kSettleKey[] = "settle";

// The plain way: every value is one call of the profile functions on the file.
class PerKeyStore : public Serialize::ASerialize {
public:
    explicit PerKeyStore(std::string fileName) : fileName(std::move(fileName)) {}

    void WriteRaw(const Serialize::KeyPath& path, const std::string& text) override
    {
        WritePrivateProfileStringA(kSection, Serialize::JoinKeyPath(path).c_str(), text.c_str(), fileName.c_str());
    }

    std::string ReadRaw(const Serialize::KeyPath& path) override
    {
        char buffer[1024] = {};
        GetPrivateProfileStringA(kSection, Serialize::JoinKeyPath(path).c_str(), "", buffer, sizeof buffer,
                                 fileName.c_str());
        return buffer;
    }

    void Clear() override { DeleteFileA(fileName.c_str()); }

    // Windows drops the blank at the end of a key as it writes it. Wine keeps it on the key it wrote
    // last until it reads the file again, which it does before its next change of the file: adding
    // and removing one more key gives the file Windows would have written.
    void Settle()
    {
        WritePrivateProfileStringA(kSection, kSettleKey, "1", fileName.c_str());
        WritePrivateProfileStringA(kSection, kSettleKey, nullptr, fileName.c_str());
    }

private:
    std::string fileName;
};

// A target that writes one value and then fails.
struct FailingAfterOneValue : Serialize::ITarget {
    void Serialize(Serialize::ASerialize& store) override
    {
        store.WriteInt("written", 7);
        throw std::runtime_error("failed half-way");
    }
};

class IniFileBytes : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string testName = testing::UnitTest::GetInstance()->current_test_info()->name();
        sectionStore = std::make_unique<CIniSerialize>(nullptr, "bytes_" + testName + "_section.ini");
        perKeyFile = CIniSerialize(nullptr, "bytes_" + testName + "_per_key.ini").FileName();
        perKeyStore = std::make_unique<PerKeyStore>(perKeyFile);
        sectionStore->Clear();
        perKeyStore->Clear();
    }

    void TearDown() override
    {
        sectionStore->Clear();
        perKeyStore->Clear();
    }

    // A save as the program makes it (Clear, then WriteObject), through both stores.
    template <typename Target>
    void SaveThroughBoth(const std::string& key, Target& target)
    {
        sectionStore->Clear();
        sectionStore->WriteObject(key, target);
        perKeyStore->Clear();
        perKeyStore->WriteObject(key, target);
        perKeyStore->Settle();
    }

    static std::string Bytes(const std::string& fileName) { return ReadFileBytes(fileName).value_or(""); }

    std::string SectionBytes() const { return Bytes(sectionStore->FileName()); }
    std::string PerKeyBytes() const { return Bytes(perKeyFile); }

    std::unique_ptr<CIniSerialize> sectionStore;
    std::string perKeyFile;
    std::unique_ptr<PerKeyStore> perKeyStore;
};

std::vector<Point> MakePoints(int count)
{
    std::vector<Point> points;
    for (int i = 0; i < count; ++i) {
        points.emplace_back(i * 37 - 500, static_cast<std::uint32_t>(i) * 0x1001u);
    }
    return points;
}

} // namespace

TEST_F(IniFileBytes, VectorsOfRecordsWhoseKeysEndInABlank)
{
    for (int count : {0, 1, 10, 100}) {
        std::vector<Point> points = MakePoints(count);
        Serialize::TargetIsVector<Point> target(points);
        SaveThroughBoth("info", target);
        ASSERT_EQ(PerKeyBytes(), SectionBytes()) << count << " records";
    }
    // The last key of the list, which ends in the blank of "INT ", stands without it.
    EXPECT_NE(std::string::npos, SectionBytes().find("\r\ninfo#99#Flags#UINT=63063\r\n"));
    EXPECT_NE(std::string::npos, SectionBytes().find("\r\ninfo#99#Left#INT=3163\r\n"));
    EXPECT_EQ(std::string::npos, SectionBytes().find(" ="));
}

TEST_F(IniFileBytes, TextsThatThePlatformWritesItself)
{
    // Shift_JIS bytes pass through the code page, blanks at the ends of a value are the platform's
    // to keep or drop: the store hands such sections to the profile functions.
    AllTypes values;
    values.u = 0xffffffff;
    values.i = -2147483647 - 1;
    values.d = -0.25;
    values.b = true;
    for (const std::string& text : {std::string("\x95\x74\xE2\xB3\x83\x5C"), std::string("  blanks at both ends  "),
                                    std::string("\"quoted\""), std::string("a=b;c")}) {
        values.s = text;
        SaveThroughBoth("t", values);
        ASSERT_EQ(PerKeyBytes(), SectionBytes()) << text;

        AllTypes back;
        sectionStore->ReadObject("t", back);
        AllTypes backPerKey;
        perKeyStore->ReadObject("t", backPerKey);
        EXPECT_EQ(backPerKey.s, back.s) << text;
        EXPECT_EQ(values.u, back.u);
        EXPECT_EQ(values.i, back.i);
    }
}

TEST_F(IniFileBytes, AnExistingFileKeepsItsOtherSectionsAndItsKeyOrder)
{
    const std::string existing = "[A]\r\nx=1\r\n[ROOT]\r\ninfo#size#UINT=7\r\nold=1\r\n[B]\r\ny=2\r\n";
    WriteFileBytes(sectionStore->FileName(), existing);
    WriteFileBytes(perKeyFile, existing);
    std::vector<Point> points = MakePoints(2);
    Serialize::TargetIsVector<Point> target(points);
    sectionStore->WriteObject("info", target);
    perKeyStore->WriteObject("info", target);
    perKeyStore->Settle();
    EXPECT_EQ(PerKeyBytes(), SectionBytes());
    EXPECT_EQ("[A]\r\nx=1\r\n[ROOT]\r\ninfo#size#UINT=2\r\nold=1\r\n"
              "info#0#Left#INT=-500\r\ninfo#0#Flags#UINT=0\r\ninfo#1#Left#INT=-463\r\ninfo#1#Flags#UINT=1001\r\n"
              "[B]\r\ny=2\r\n",
              SectionBytes());
}

TEST_F(IniFileBytes, AFileWrittenWholeIsWhatTheProfileFunctionsReadNext)
{
    // The profile functions cache the files they read; the store writes a new file by itself.
    std::vector<Point> first = MakePoints(3);
    Serialize::TargetIsVector<Point> firstTarget(first);
    sectionStore->WriteObject("info", firstTarget);
    char buffer[64] = {};
    GetPrivateProfileStringA(kSection, "info#2#Left#INT", "", buffer, sizeof buffer, sectionStore->FileName().c_str());
    EXPECT_STREQ("-426", buffer);

    sectionStore->Clear();
    std::vector<Point> second{Point(5, 6)};
    Serialize::TargetIsVector<Point> secondTarget(second);
    sectionStore->WriteObject("info", secondTarget);
    GetPrivateProfileStringA(kSection, "info#size#UINT", "", buffer, sizeof buffer, sectionStore->FileName().c_str());
    EXPECT_STREQ("1", buffer);
    GetPrivateProfileStringA(kSection, "info#2#Left#INT", "", buffer, sizeof buffer, sectionStore->FileName().c_str());
    EXPECT_STREQ("", buffer);
}

TEST_F(IniFileBytes, AWriteThatFailsHalfWayLeavesWhatItWroteAsThePlainWayDid)
{
    FailingAfterOneValue failing;
    EXPECT_THROW(sectionStore->WriteObject("f", failing), std::runtime_error);
    EXPECT_THROW(perKeyStore->WriteObject("f", failing), std::runtime_error);
    perKeyStore->Settle();
    EXPECT_EQ("[ROOT]\r\nf#written#INT=7\r\n", SectionBytes());
    EXPECT_EQ(PerKeyBytes(), SectionBytes());
    EXPECT_TRUE(sectionStore->CurrentPath().empty());
}

TEST_F(IniFileBytes, ARestoreReadsWhatEitherWayWrote)
{
    std::vector<Point> points = MakePoints(25);
    Serialize::TargetIsVector<Point> target(points);
    SaveThroughBoth("info", target);

    std::vector<Point> loaded;
    Serialize::TargetIsVector<Point> loading(loaded);
    CIniSerialize reader(nullptr, "bytes_ARestoreReadsWhatEitherWayWrote_per_key.ini");
    reader.ReadObject("info", loading);
    ASSERT_EQ(points.size(), loaded.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].Left, loaded[i].Left) << i;
        EXPECT_EQ(points[i].Flags, loaded[i].Flags) << i;
    }
}
