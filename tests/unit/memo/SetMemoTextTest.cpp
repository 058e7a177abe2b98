// Setting a memo's text: the final run of line breaks trimmed, the first line as window caption, the
// undo text, and a window exactly as large as the text plus the border and the sizing frame.
#include "Label.h"
#include "MemoTestSupport.h"
#include "TMemoWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SetMemoTextTest : public testing::Test {
protected:
    const ui::Label& MemoLabel() { return memo.Get<ui::Label>("Label"); }

    // The label covers the client area, which is the measured size; the window adds the border and
    // the sizing frame on each side.
    void ExpectSizedTo(SIZE measured)
    {
        const ui::Label& label = MemoLabel();
        EXPECT_EQ(0, label.Left());
        EXPECT_EQ(0, label.Top());
        EXPECT_EQ(measured.cx, label.Width());
        EXPECT_EQ(measured.cy, label.Height());
        EXPECT_EQ(measured.cx, memo.ClientWidth());
        EXPECT_EQ(measured.cy, memo.ClientHeight());
        const SIZE frame = memotest::SizingFrame();
        EXPECT_EQ(measured.cx + 2 * memotest::kMemoBorder + frame.cx, memo.Width());
        EXPECT_EQ(measured.cy + 2 * memotest::kMemoBorder + frame.cy, memo.Height());
        RECT client{};
        GetClientRect(label.Handle(), &client);
        EXPECT_EQ(measured.cx, client.right) << "the label's own window";
        EXPECT_EQ(measured.cy, client.bottom);
    }

    // The memo keeps `text`, shows `caption` as its window caption and is sized to `measured`.
    void ExpectMemo(const std::string& text, const std::string& caption, SIZE measured)
    {
        EXPECT_EQ(text, memo.GetMemoText());
        EXPECT_EQ(caption, memo.CaptionAnsi());
        ExpectSizedTo(measured);
    }

    TMemoWindow memo;
};

TEST_F(SetMemoTextTest, TrailingLineBreaksAreTrimmedAndTheWindowIsOneLineHigh)
{
    memo.SetMemoText("abc\r\n\r\n");
    ExpectMemo("abc", "abc", memotest::MeasureText("abc"));
    EXPECT_EQ(memotest::MeasureText("x").cy, memo.ClientHeight());
}

TEST_F(SetMemoTextTest, OnlyLineBreaksGiveAnEmptyMemoOneSpaceLargeAndKeepTheOldTextForUndo)
{
    memo.SetMemoText("before");
    memo.SetMemoText("\r\n\n\r\r\n");
    EXPECT_EQ("before", memo.UndoText());
    ExpectMemo("", "", memotest::MeasureText(" "));
}

TEST_F(SetMemoTextTest, TwoLinesShowBothAndTheCaptionIsTheFirst)
{
    memo.SetMemoText("one\r\nlonger two");
    const SIZE measured = memotest::MeasureText("one\r\nlonger two");
    EXPECT_EQ(2 * memotest::MeasureText("one").cy, measured.cy);
    ExpectMemo("one\r\nlonger two", "one", measured);
}

TEST_F(SetMemoTextTest, ALoneLineFeedStillEndsTheCaption)
{
    memo.SetMemoText("first\nsecond");
    ExpectMemo("first\nsecond", "first", memotest::MeasureText("first\nsecond"));
}

TEST_F(SetMemoTextTest, ALineBreakFollowedByABlankIsKept)
{
    memo.SetMemoText("abc\r\n ");
    ExpectMemo("abc\r\n ", "abc", memotest::MeasureText("abc\r\n "));
    EXPECT_EQ(2 * memotest::MeasureText("abc").cy, memo.ClientHeight());
}

TEST_F(SetMemoTextTest, UndoTextHoldsThePreviousTextAndPassingItSwapsTheTwo)
{
    EXPECT_EQ("", memo.UndoText()) << "a new memo";
    memo.SetMemoText("first");
    EXPECT_EQ("", memo.UndoText());
    memo.SetMemoText("second\r\n");
    EXPECT_EQ("first", memo.UndoText());

    memo.SetMemoText(memo.UndoText());
    EXPECT_EQ("second", memo.UndoText());
    ExpectMemo("first", "first", memotest::MeasureText("first"));
}

TEST_F(SetMemoTextTest, AmpersandsArePrefixesTwoInARowShowOne)
{
    memo.SetMemoText("a&&b");
    const SIZE doubled = memotest::MeasureText("a&&b");
    EXPECT_EQ(memotest::MeasureText("a&b", DT_NOPREFIX).cx, doubled.cx) << "drawn as one ampersand";
    // The text itself is kept.
    ExpectMemo("a&&b", "a&&b", doubled);

    memo.SetMemoText("a&b");
    const SIZE prefixed = memotest::MeasureText("a&b");
    EXPECT_EQ(memotest::MeasureText("ab", DT_NOPREFIX).cx, prefixed.cx) << "the lone ampersand is not drawn";
    ExpectSizedTo(prefixed);
}

TEST_F(SetMemoTextTest, ALoneAmpersandAndTheEmptyTextMeasureAsOneSpace)
{
    const SIZE space = memotest::MeasureText(" ");
    ASSERT_GT(space.cx, 0);
    memo.SetMemoText("&");
    EXPECT_EQ("&", memo.GetMemoText());
    ExpectSizedTo(space);
    memo.SetMemoText("");
    ExpectSizedTo(space);
}

TEST_F(SetMemoTextTest, TabsAreExpandedAndLongTextsAreNotBounded)
{
    memo.SetMemoText("a\tb");
    const SIZE tabbed = memotest::MeasureText("a\tb");
    EXPECT_GT(tabbed.cx, memotest::MeasureText("ab").cx);
    ExpectSizedTo(tabbed);

    const std::string wide(300, 'W');
    memo.SetMemoText(wide);
    const SIZE measured = memotest::MeasureText(wide);
    EXPECT_GT(measured.cx, 1000);
    ExpectSizedTo(measured);
}

TEST_F(SetMemoTextTest, ShiftJisTextIsMeasuredAsTheAnsiBytesItIs)
{
    // "メモ" in code page 932: the memo keeps the bytes and the label measures them as such.
    const std::string memoInShiftJis = "\x83\x81\x83\x82";
    memo.SetMemoText(memoInShiftJis + "\r\n2");
    EXPECT_EQ(memoInShiftJis, memo.CaptionAnsi());
    ExpectSizedTo(memotest::MeasureText(memoInShiftJis + "\r\n2"));
}

} // namespace
