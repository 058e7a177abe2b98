#include <gtest/gtest.h>

#include <string>

#include "ProfileSection.h"

using Serialize::ProfileSection;

namespace {

// GetPrivateProfileSectionA's form: entries ended by zero bytes, one more zero at the end.
std::string SectionText(std::initializer_list<const char*> entries)
{
    std::string text;
    for (const char* entry : entries) {
        text += entry;
        text += '\0';
    }
    return text + '\0';
}

} // namespace

TEST(ProfileSection, KeysMatchWithoutLetterCaseOrBlanksAtTheirEnds)
{
    ProfileSection section = ProfileSection::FromSectionText(SectionText({"info#0#Left#INT=-5", "Size=a"}));
    EXPECT_EQ("-5", section.ValueOf("info#0#Left#INT "));
    EXPECT_EQ("-5", section.ValueOf("INFO#0#left#int"));
    EXPECT_EQ("a", section.ValueOf("size"));
    EXPECT_EQ("", section.ValueOf("info#0#Left"));
    EXPECT_EQ("", section.ValueOf("missing"));
}

TEST(ProfileSection, ValuesReadBackAsTheProfileFunctionsGiveThem)
{
    const std::string longValue(2000, 'x');
    ProfileSection section = ProfileSection::FromSectionText(SectionText({
        "blanks=  12  ",
        "double=\"quoted text\"",
        "single='x'",
        "unmatched=\"open",
        "lone=\"",
        "inner=a\"b\"",
        "equals=a=b",
        "empty=",
        "novalue",
    }));
    section.Set("long", longValue);
    EXPECT_EQ("12", section.ValueOf("blanks"));
    EXPECT_EQ("quoted text", section.ValueOf("double"));
    EXPECT_EQ("x", section.ValueOf("single"));
    EXPECT_EQ("\"open", section.ValueOf("unmatched"));
    EXPECT_EQ("\"", section.ValueOf("lone"));
    EXPECT_EQ("a\"b\"", section.ValueOf("inner"));
    EXPECT_EQ("a=b", section.ValueOf("equals"));
    EXPECT_EQ("", section.ValueOf("empty"));
    EXPECT_EQ("", section.ValueOf("novalue"));
    EXPECT_EQ(std::string(1023, 'x'), section.ValueOf("long"));
}

TEST(ProfileSection, SetReplacesTheFirstEntryInPlaceAndAppendsNewKeys)
{
    ProfileSection section = ProfileSection::FromSectionText(SectionText({"a=1", "b=2", "A=3"}));
    section.Set("a ", "9");
    section.Set("c#INT ", "4");
    EXPECT_EQ(SectionText({"a=9", "b=2", "A=3", "c#INT=4"}), section.SectionText());
    EXPECT_EQ("9", section.ValueOf("A"));
    EXPECT_EQ(4u, section.Size());
}

TEST(ProfileSection, SetKeepsTextsAsTheProfileFunctionsWouldReadThemBack)
{
    ProfileSection section;
    section.Set(std::string("k\0hidden", 8), std::string("v\0hidden", 8));
    section.Set(" spaced\t", "\t both ends  ");
    EXPECT_EQ(SectionText({"k=v", "spaced=both ends"}), section.SectionText());
    EXPECT_EQ("both ends", section.ValueOf("spaced"));
}

TEST(ProfileSection, EmptySectionTextsGiveNoEntries)
{
    EXPECT_EQ(0u, ProfileSection::FromSectionText("").Size());
    EXPECT_EQ(0u, ProfileSection::FromSectionText(std::string(2, '\0')).Size());
    EXPECT_EQ(std::string(1, '\0'), ProfileSection().SectionText());
    // A text cut off without its final zero bytes still yields its entries.
    const ProfileSection unterminated = ProfileSection::FromSectionText("a=1");
    EXPECT_EQ(1u, unterminated.Size());
    EXPECT_EQ("1", unterminated.ValueOf("a"));
}

TEST(ProfileSection, FileTextHoldsTheSectionLineAndOneLinePerEntry)
{
    ProfileSection section;
    section.Set("info#size#UINT", "a");
    section.Set("info#0#Color#INT ", "-5");
    EXPECT_EQ("[ROOT]\r\ninfo#size#UINT=a\r\ninfo#0#Color#INT=-5\r\n", section.FileText("ROOT"));
}

TEST(ProfileSection, FileTextIsRefusedWhereTheProfileFunctionsMightWriteOtherBytes)
{
    const auto fileTextWith = [](const std::string& key, const std::string& value) {
        ProfileSection section;
        section.Set("plain", "1");
        section.Set(key, value);
        return section.FileText("ROOT");
    };
    EXPECT_EQ("[ROOT]\r\nplain=1\r\nk=v w\r\n", fileTextWith("k", "  v w "));
    EXPECT_FALSE(fileTextWith("k", "line\r\nbreak").has_value());
    EXPECT_FALSE(fileTextWith("k", "\x83\x5C").has_value()) << "Shift_JIS goes through the code page";
    EXPECT_FALSE(fileTextWith("a=b", "v").has_value());
    EXPECT_FALSE(fileTextWith(";comment", "v").has_value());
    EXPECT_FALSE(fileTextWith("[section", "v").has_value());
    EXPECT_FALSE(fileTextWith("", "v").has_value());
    EXPECT_FALSE(ProfileSection::FromSectionText(SectionText({"novalue"})).FileText("ROOT").has_value());

    ProfileSection plain;
    plain.Set("k", "v");
    EXPECT_FALSE(plain.FileText("").has_value());
    EXPECT_FALSE(plain.FileText("a]b").has_value());
    EXPECT_FALSE(ProfileSection().FileText("ROOT").has_value()) << "no entries: no file";
}
