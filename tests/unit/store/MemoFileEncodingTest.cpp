// The form of memo.txt judged from its bytes: the program's own, or what another editor saved.
#include "store/MemoFileEncoding.h"

#include "ShiftJisSamples.h"

#include <gtest/gtest.h>

#include <string>

using Encoding = MemoFileEncoding;

namespace {
Encoding Judged(const std::string& bytes, bool codePageIsUtf8 = false)
{
    return DetectMemoFileEncoding(bytes, codePageIsUtf8);
}

// Japanese memos in UTF-8 as Notepad saves them: 買い物, then メモ with an escaped line break.
const std::string kJapaneseUtf8 = "\xE8\xB2\xB7\xE3\x81\x84\xE7\x89\xA9\r\n\xE3\x83\xA1\xE3\x83\xA2\\n2\r\n";
} // namespace

TEST(MemoFileEncoding, ShiftJisIsReadAsItIsUnlessItHappensToBeUtf8WithAThreeByteSequence)
{
    for (const ShiftJisSample& sample : kShiftJisSamples) {
        SCOPED_TRACE(testing::PrintToString(sample.bytes));
        const std::string file = sample.bytes + "\r\n";
        EXPECT_EQ(Judged(file), sample.takenForUtf8 ? Encoding::Utf8Guessed : Encoding::CodePage);
        EXPECT_EQ(Judged(file, true), Encoding::CodePage) << "never a guess where the code page is UTF-8";
    }
}

TEST(MemoFileEncoding, ByteOrderMarksDecideAndAreSkipped)
{
    EXPECT_EQ(Judged("\xEF\xBB\xBF" + kJapaneseUtf8), Encoding::Utf8Marked);
    EXPECT_EQ(Judged("\xEF\xBB\xBF"), Encoding::Utf8Marked);
    EXPECT_EQ(Judged("\xEF\xBB\xBF\x82\xA9", true), Encoding::Utf8Marked) << "whatever follows";
    EXPECT_EQ(Judged("\xFF\xFE\x70\x8CgN"), Encoding::Utf16LittleEndian);
    EXPECT_EQ(Judged("\xFE\xFF\x8C\x70", true), Encoding::Utf16BigEndian);
    EXPECT_EQ(ByteOrderMarkLength(Encoding::Utf8Marked), 3u);
    EXPECT_EQ(ByteOrderMarkLength(Encoding::Utf16LittleEndian), 2u);
    EXPECT_EQ(ByteOrderMarkLength(Encoding::Utf16BigEndian), 2u);
    EXPECT_EQ(ByteOrderMarkLength(Encoding::Utf8Guessed), 0u);
    EXPECT_EQ(ByteOrderMarkLength(Encoding::CodePage), 0u);
    // Half a mark is none.
    EXPECT_EQ(Judged("\xEF\xBB"), Encoding::CodePage);
}

TEST(MemoFileEncoding, OnlyValidUtf8WithAThreeByteSequenceIsTakenForUtf8)
{
    EXPECT_EQ(Judged(kJapaneseUtf8), Encoding::Utf8Guessed);
    EXPECT_EQ(Judged(kJapaneseUtf8, true), Encoding::CodePage);
    // ASCII alone, two-byte sequences (café) and four-byte ones (🙂) without a three-byte one.
    EXPECT_EQ(Judged("plain\r\nascii\r\n"), Encoding::CodePage);
    EXPECT_EQ(Judged("caf\xC3\xA9 \xF0\x9F\x99\x82\r\n"), Encoding::CodePage);
    EXPECT_EQ(Judged("caf\xC3\xA9 \xF0\x9F\x99\x82 \xE3\x81\x82"), Encoding::Utf8Guessed);
    EXPECT_EQ(Judged("\xEF\xBF\xBF\xF4\x8F\xBF\xBF\xED\x9F\xBF"), Encoding::Utf8Guessed) << "the largest forms";
    // One flaw anywhere makes it the code page's.
    for (const std::string& flaw : {
             std::string("\xE3\x81"),         // cut short at the end
             std::string("\xE3\x81 "),        // cut short before a blank
             std::string("\xC0\x80"),         // overlong zero
             std::string("\xE0\x80\xAF"),     // overlong slash
             std::string("\xF0\x8F\xBF\xBF"), // overlong U+FFFF
             std::string("\xED\xA0\x80"),     // a surrogate
             std::string("\xF4\x90\x80\x80"), // beyond U+10FFFF
             std::string("\xF5\x80\x80\x80"), // no lead byte
             std::string("\x80"),             // a continuation byte alone
             std::string("\xE3\x81\x82\x82"), // one continuation byte too many
             std::string("\xFF"),
         }) {
        SCOPED_TRACE(testing::PrintToString(flaw));
        EXPECT_EQ(Judged(kJapaneseUtf8 + flaw), Encoding::CodePage);
        EXPECT_EQ(Judged(flaw + kJapaneseUtf8), Encoding::CodePage);
    }
}
