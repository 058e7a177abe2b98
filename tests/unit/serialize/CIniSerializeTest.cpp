#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "CIniSerialize.h"
#include "Error.h"
#include "FileBytes.h"
#include "Records.h"
#include "TargetIsVector.h"

using Serialize::CIniSerialize;

namespace {

// Each test works on its own INI file beside the test program, written and read by the Windows
// profile functions, and checks the file's bytes where they matter.
class IniStore : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string testName = testing::UnitTest::GetInstance()->current_test_info()->name();
        store = std::make_unique<CIniSerialize>(GetModuleHandleA(nullptr), "serialize_" + testName + ".ini");
        DeleteFileA(store->FileName().c_str());
    }

    void TearDown() override { DeleteFileA(store->FileName().c_str()); }

    std::string FileBytes() const { return ReadFileBytes(store->FileName()).value_or(""); }

    void WriteFileBytes(const std::string& bytes) const { ::WriteFileBytes(store->FileName(), bytes); }

    bool FileExists() const { return GetFileAttributesA(store->FileName().c_str()) != INVALID_FILE_ATTRIBUTES; }

    std::unique_ptr<CIniSerialize> store;
};

std::string ExecutableDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full = path;
    return full.substr(0, full.rfind('\\'));
}

} // namespace

TEST_F(IniStore, FileLivesBesideTheExecutableAndIsNotTouchedByConstruction)
{
    EXPECT_EQ(ExecutableDirectory() + "\\serialize_FileLivesBesideTheExecutableAndIsNotTouchedByConstruction.ini",
              store->FileName());
    CIniSerialize another(GetModuleHandleA(nullptr), "serialize_never_written.ini");
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(another.FileName().c_str()));
    EXPECT_FALSE(FileExists());
}

TEST_F(IniStore, NestedKeysTagsAndTextsInTheRootSection)
{
    std::vector<Point> points{Point(-5, 10)};
    Serialize::TargetIsVector<Point> vector(points);
    store->WriteObject("info", vector);
    // The profile functions drop the blank that ends "INT " when they write the key.
    EXPECT_EQ("[ROOT]\r\n"
              "info#size#UINT=1\r\n"
              "info#0#Left#INT=-5\r\n"
              "info#0#Flags#UINT=a\r\n",
              FileBytes());

    std::vector<Point> loaded;
    Serialize::TargetIsVector<Point> loading(loaded);
    store->ReadObject("info", loading);
    ASSERT_EQ(1u, loaded.size());
    EXPECT_EQ(-5, loaded[0].Left);
    EXPECT_EQ(10u, loaded[0].Flags);
}

TEST_F(IniStore, EveryTypedValueWritesItsTextForm)
{
    AllTypes values = AllTypes::Sample("plain text");
    store->WriteObject("t", values);
    EXPECT_EQ("[ROOT]\r\n"
              "t#u#UINT=a\r\n"
              "t#i#INT=-5\r\n"
              "t#d#DOBL=0.500000\r\n"
              "t#b#BOOL=1\r\n"
              "t#s=plain text\r\n",
              FileBytes());

    AllTypes loaded;
    store->ReadObject("t", loaded);
    EXPECT_EQ(10u, loaded.u);
    EXPECT_EQ(-5, loaded.i);
    EXPECT_EQ(0.5, loaded.d);
    EXPECT_TRUE(loaded.b);
    EXPECT_EQ("plain text", loaded.s);
}

TEST_F(IniStore, RewritingAKeyReplacesItsValueInPlace)
{
    AllTypes values;
    store->WriteObject("t", values);
    values.u = 0xffffffff;
    values.i = 2147483647;
    values.b = false;
    store->WriteObject("t", values);
    EXPECT_EQ("[ROOT]\r\n"
              "t#u#UINT=ffffffff\r\n"
              "t#i#INT=2147483647\r\n"
              "t#d#DOBL=0.000000\r\n"
              "t#b#BOOL=0\r\n"
              "t#s=\r\n",
              FileBytes());
}

TEST_F(IniStore, ANamedSectionReplacesRoot)
{
    store->SetSection("Other");
    store->WriteUInt("k", 1);
    EXPECT_EQ("[Other]\r\nk#UINT=1\r\n", FileBytes());
    store->SetSection("");
    std::uint32_t value = 0;
    EXPECT_THROW(store->ReadUInt("k", value), Serialize::Error);
}

TEST_F(IniStore, AKeyEndingInABlankIsFoundAgain)
{
    // Under Wine the blank of "INT " stays in the file when the key opens its section and is
    // dropped otherwise; the lookup ignores it both times.
    store->WriteInt("first", -1);
    store->WriteInt("second", -2);
    std::int32_t first = 0;
    std::int32_t second = 0;
    store->ReadInt("first", first);
    store->ReadInt("second", second);
    EXPECT_EQ(-1, first);
    EXPECT_EQ(-2, second);
}

TEST_F(IniStore, MissingTypedValuesRaiseButAMissingStringIsEmpty)
{
    std::uint32_t u = 1;
    std::int32_t i = 1;
    double d = 1;
    bool b = true;
    std::string s = "old";
    // No file at all.
    EXPECT_THROW(store->ReadUInt("u", u), Serialize::Error);
    EXPECT_THROW(store->ReadInt("i", i), Serialize::Error);
    EXPECT_THROW(store->ReadDouble("d", d), Serialize::Error);
    EXPECT_THROW(store->ReadBool("b", b), Serialize::Error);
    EXPECT_NO_THROW(store->ReadString("s", s));
    EXPECT_EQ("", s);

    // A file with an empty value and with other keys only.
    WriteFileBytes("[ROOT]\r\ni#INT=\r\nother#INT=3\r\n");
    EXPECT_THROW(store->ReadInt("i", i), Serialize::Error);
    EXPECT_THROW(store->ReadUInt("u", u), Serialize::Error);
    EXPECT_EQ(1u, u);
    EXPECT_EQ(1, i);
    EXPECT_EQ(1.0, d);
    EXPECT_TRUE(b);
    EXPECT_FALSE(store->IsSaving());
}

TEST_F(IniStore, TextsThatAreNotNumbers)
{
    WriteFileBytes("[ROOT]\r\n"
                   "letters#INT=abc\r\n"
                   "digits#INT=12abc\r\n"
                   "upper#UINT=A\r\n"
                   "flag#BOOL=2\r\n"
                   "real#DOBL=x1.5\r\n");
    std::int32_t letters = 77;
    std::int32_t digits = 0;
    std::uint32_t upper = 0;
    bool flag = false;
    double real = 2.5;
    EXPECT_NO_THROW(store->ReadInt("letters", letters));
    store->ReadInt("digits", digits);
    store->ReadUInt("upper", upper);
    store->ReadBool("flag", flag);
    EXPECT_NO_THROW(store->ReadDouble("real", real));
    EXPECT_EQ(77, letters);
    EXPECT_EQ(12, digits);
    EXPECT_EQ(10u, upper);
    EXPECT_TRUE(flag);
    EXPECT_EQ(2.5, real);
}

TEST_F(IniStore, LongValuesAreWrittenWholeAndReadBackCutTo1023Bytes)
{
    std::string longText;
    for (int i = 0; i < 2000; ++i) {
        longText += static_cast<char>('a' + i % 26);
    }
    store->WriteString("long", longText);
    EXPECT_EQ("[ROOT]\r\nlong=" + longText + "\r\n", FileBytes());

    std::string back;
    store->ReadString("long", back);
    EXPECT_EQ(longText.substr(0, 1023), back);

    const std::string exact(1023, 'x');
    store->WriteString("exact", exact);
    store->ReadString("exact", back);
    EXPECT_EQ(exact, back);
}

TEST_F(IniStore, ReadingAVectorTakesTheStoredCount)
{
    std::vector<Point> three{Point(1, 0x11), Point(2, 0x22), Point(3, 0x33)};
    Serialize::TargetIsVector<Point> saving(three);
    store->WriteObject("info", saving);

    std::vector<Point> five{Point(9, 9, 1), Point(9, 9, 2), Point(9, 9, 3), Point(9, 9, 4), Point(9, 9, 5)};
    Serialize::TargetIsVector<Point> intoFive(five);
    store->ReadObject("info", intoFive);
    ASSERT_EQ(3u, five.size());
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(three[k].Left, five[k].Left);
        EXPECT_EQ(three[k].Flags, five[k].Flags);
        EXPECT_EQ(static_cast<std::int32_t>(k + 1), five[k].notStored) << "an existing item is read into";
    }

    std::vector<Point> one{Point(9, 9, 7)};
    Serialize::TargetIsVector<Point> intoOne(one);
    store->ReadObject("info", intoOne);
    ASSERT_EQ(3u, one.size());
    EXPECT_EQ(7, one[0].notStored);
    EXPECT_EQ(99, one[1].notStored) << "a new item is default-constructed";
    EXPECT_EQ(99, one[2].notStored);
    EXPECT_EQ(2, one[1].Left);
    EXPECT_EQ(0x33u, one[2].Flags);
}

TEST_F(IniStore, AnEmptyVectorWritesOnlyItsCount)
{
    std::vector<Point> none;
    Serialize::TargetIsVector<Point> saving(none);
    store->WriteObject("info", saving);
    EXPECT_EQ("[ROOT]\r\ninfo#size#UINT=0\r\n", FileBytes());

    std::vector<Point> loaded{Point(), Point()};
    Serialize::TargetIsVector<Point> loading(loaded);
    store->ReadObject("info", loading);
    EXPECT_TRUE(loaded.empty());
}

TEST_F(IniStore, AVectorWithAMissingItemRaises)
{
    WriteFileBytes("[ROOT]\r\ninfo#size#UINT=2\r\ninfo#0#Left#INT=1\r\ninfo#0#Flags#UINT=1\r\n");
    std::vector<Point> loaded;
    Serialize::TargetIsVector<Point> loading(loaded);
    EXPECT_THROW(store->ReadObject("info", loading), Serialize::Error);
}

TEST_F(IniStore, ClearDeletesTheFileAndIgnoresAMissingOne)
{
    EXPECT_NO_THROW(store->Clear());
    EXPECT_FALSE(FileExists());

    store->WriteInt("k", 5);
    ASSERT_TRUE(FileExists());
    store->Clear();
    EXPECT_FALSE(FileExists());
    std::int32_t value = 0;
    EXPECT_THROW(store->ReadInt("k", value), Serialize::Error);
}

TEST_F(IniStore, WideStringsAreStoredInTheAnsiCodePage)
{
    ASSERT_EQ(932u, GetACP()) << "the test runner sets LANG=ja_JP.UTF-8 for the Japanese code page";
    store->WriteString("w", std::wstring(L"付箋ソ"));
    // Shift_JIS bytes; "ソ" ends in 0x5C.
    EXPECT_EQ("[ROOT]\r\nw=\x95\x74\xE2\xB3\x83\x5C\r\n", FileBytes());

    std::wstring back;
    store->ReadString("w", back);
    EXPECT_EQ(L"付箋ソ", back);
    std::string bytes;
    store->ReadString("w", bytes);
    EXPECT_EQ("\x95\x74\xE2\xB3\x83\x5C", bytes);

    std::wstring missing = L"old";
    store->ReadString("none", missing);
    EXPECT_EQ(L"", missing);
}
