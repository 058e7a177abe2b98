// A memo.txt with more texts than memo windows can be opened: the first ones open, the restore is
// incomplete, and no save of that run replaces the files that hold the rest.
#include "TemporaryFolder.h"
#include "store/MemoRestore.h"
#include "store/MemoSave.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// At most this many memo windows are opened: a memo takes two of the 10,000 USER objects Windows
// allows a process, and some are left for the rest.
constexpr std::size_t kMemoWindowLimit = 4500;

std::string Memo(std::size_t index)
{
    return std::string("m").append(std::to_string(index));
}

// Memos m1, m3, m5 ... with an empty line before each.
std::string ManyLines(std::size_t count)
{
    std::string content;
    for (std::size_t i = 0; i < count; ++i)
        content.append(i % 2 == 0 ? "" : Memo(i)).append("\r\n");
    return content;
}

struct Opened {
    std::vector<std::string> texts;

    std::function<void(const MemoWindowPlan&)> Opener()
    {
        return [this](const MemoWindowPlan& plan) { texts.push_back(plan.text); };
    }
};

TEST(MemoWindowLimit, TextsBeyondTheLimitAreNotOpenedAndTheFilesAreKept)
{
    TemporaryFolder folder;
    // Empty texts open nothing and do not count: twice as many lines as memos.
    const std::string content = ManyLines(2 * (kMemoWindowLimit + 1));
    folder.Write("memo.txt", content);
    Opened opened;
    MemoSaver saver;
    const RestoreOutcome outcome = RestoreAllMemosWith(opened.Opener(), saver, folder.Path());

    ASSERT_EQ(opened.texts.size(), kMemoWindowLimit);
    EXPECT_EQ(opened.texts.front(), "m1");
    EXPECT_EQ(opened.texts.back(), Memo(2 * kMemoWindowLimit - 1));
    EXPECT_EQ(outcome.windowsOpened, kMemoWindowLimit);
    EXPECT_FALSE(outcome.Complete());
    EXPECT_NE(outcome.openFailure.find(std::to_string(kMemoWindowLimit)), std::string::npos) << outcome.openFailure;
    const MemoState shown{opened.texts, {}};
    EXPECT_EQ(SaveAllMemosWith(MemoDesk{[&] { return shown; }, {}, {}, {}}, saver, folder.Path()).result,
              SaveOutcome::Result::Forbidden);
    EXPECT_EQ(folder.Read("memo.txt"), content);
}

TEST(MemoWindowLimit, ExactlyAsManyTextsAsTheLimitAllOpen)
{
    TemporaryFolder folder;
    folder.Write("memo.txt", ManyLines(2 * kMemoWindowLimit));
    Opened opened;
    MemoSaver saver;
    const RestoreOutcome outcome = RestoreAllMemosWith(opened.Opener(), saver, folder.Path());
    EXPECT_EQ(opened.texts.size(), kMemoWindowLimit);
    EXPECT_TRUE(outcome.Complete()) << outcome.openFailure;
}
} // namespace
