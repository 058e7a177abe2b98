#include "store/MemoFile.h"
#include "store/DataFolder.h"
#include "store/FileRetry.h"
#include "store/MemoFiles.h"

#include "HeldFile.h"
#include "ShiftJisSamples.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <thread>

using Status = MemoFileContent::Status;

TEST(MemoFileReading, MissingFileIsNoMemos)
{
    TemporaryFolder folder;
    const MemoFileContent read = ReadMemoFile(folder.Path());
    EXPECT_EQ(read.status, Status::Missing);
    EXPECT_EQ(read.content, "");
    EXPECT_TRUE(read.failure.Ok());
}

TEST(MemoFileReading, ReadsAllBytesAndDropsZeroBytes)
{
    TemporaryFolder folder;
    folder.Write("memo.txt", "a\\nb\r\nc\r\n");
    EXPECT_EQ(ReadMemoFile(folder.Path()).content, "a\\nb\r\nc\r\n");

    // A zero byte costs only itself: the memos after it are still read.
    folder.Write("memo.txt", std::string("\0one\r\ntw\0o\r\nthree\0\0\r\n\0", 22));
    const MemoFileContent read = ReadMemoFile(folder.Path());
    EXPECT_EQ(read.status, Status::Read);
    EXPECT_EQ(read.content, "one\r\ntwo\r\nthree\r\n");

    folder.Write("memo.txt", std::string(3, '\0'));
    EXPECT_EQ(ReadMemoFile(folder.Path()).content, "");
}

TEST(MemoFileReading, ShiftJisIsReadAsItIsUnlessItHappensToBeUtf8WithAThreeByteSequence)
{
    TemporaryFolder folder;
    for (const ShiftJisSample& sample : kShiftJisSamples) {
        SCOPED_TRACE(testing::PrintToString(sample.bytes));
        const std::string file = sample.bytes + "\r\n";
        folder.Write("memo.txt", file);
        const MemoFileContent read = ReadMemoFile(folder.Path());
        if (sample.takenForUtf8) {
            // Misread as UTF-8: the file as it was is kept before anything replaces it.
            EXPECT_EQ(read.form.encoding, MemoFileEncoding::Utf8Guessed);
            EXPECT_TRUE(read.form.MustBeKept());
            EXPECT_EQ(read.form.original, file);
        } else {
            EXPECT_EQ(read.content, file);
            EXPECT_EQ(read.form.encoding, MemoFileEncoding::CodePage);
            EXPECT_FALSE(read.form.MustBeKept());
            EXPECT_EQ(read.form.original, "");
        }
    }
}

struct ForeignForm {
    std::string name;
    std::string file;
    MemoFileEncoding encoding;
    std::string content; // in the code page
    std::vector<char32_t> lost;
};

TEST(MemoFileReading, FilesOtherEditorsSavedAreConvertedToTheCodePageAndKeptWhenThatMayLoseAnything)
{
    constexpr char32_t kSmile = 0x1F642;
    const std::string shoppingWithQuestionMarks = "\x94\x83\x82\xA2\x95\xA8??\r\n";
    const ForeignForm forms[] = {
        {"UTF-8 with mark", kUtf8Mark + kJapaneseMemoFileInUtf8, MemoFileEncoding::Utf8Marked, kJapaneseMemoFile, {}},
        {"UTF-8 without mark", kJapaneseMemoFileInUtf8, MemoFileEncoding::Utf8Guessed, kJapaneseMemoFile, {}},
        {"UTF-16 LE",
         Utf16File(kJapaneseMemoFileText, false),
         MemoFileEncoding::Utf16LittleEndian,
         kJapaneseMemoFile,
         {}},
        {"UTF-16 BE", Utf16File(kJapaneseMemoFileText, true), MemoFileEncoding::Utf16BigEndian, kJapaneseMemoFile, {}},
        {"UTF-8 with an emoji",
         kUtf8Mark + "\xE8\xB2\xB7\xE3\x81\x84\xE7\x89\xA9\xF0\x9F\x99\x82\r\n",
         MemoFileEncoding::Utf8Marked,
         shoppingWithQuestionMarks,
         {kSmile}},
        {"UTF-16 with an emoji",
         Utf16File(L"買い物🙂\r\n", false),
         MemoFileEncoding::Utf16LittleEndian,
         shoppingWithQuestionMarks,
         {kSmile}},
        // Bytes that are no UTF-8 and a zero character: the one lost as U+FFFD, the other dropped.
        {"UTF-8 with a flaw",
         kUtf8Mark + std::string("a\xFF"
                                 "b\0c\r\n",
                                 7),
         MemoFileEncoding::Utf8Marked,
         "a?bc\r\n",
         {0xFFFD}},
    };
    TemporaryFolder folder;
    for (const ForeignForm& form : forms) {
        SCOPED_TRACE(form.name);
        folder.Write("memo.txt", form.file);
        const MemoFileContent read = ReadMemoFile(folder.Path());
        EXPECT_EQ(read.status, Status::Read);
        EXPECT_EQ(read.content, form.content);
        EXPECT_EQ(read.form.encoding, form.encoding);
        EXPECT_EQ(read.form.lost, form.lost);
        const bool kept = form.encoding == MemoFileEncoding::Utf8Guessed || !form.lost.empty();
        EXPECT_EQ(read.form.MustBeKept(), kept);
        EXPECT_EQ(read.form.original, kept ? form.file : "");
    }
}

TEST(MemoFileReading, FileHeldWithoutSharingIsUnreadableNotEmpty)
{
    TemporaryFolder folder;
    folder.Write("memo.txt", "kept\r\n");
    HeldFile held(folder.File("memo.txt"));
    ASSERT_TRUE(held.Holding());

    const MemoFileContent read = ReadMemoFile(folder.Path());
    EXPECT_EQ(read.status, Status::Unreadable);
    EXPECT_EQ(read.content, "");
    EXPECT_FALSE(read.failure.Ok());
    EXPECT_EQ(read.failure.Path(), folder.File("memo.txt"));
    EXPECT_EQ(read.failure.Error(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_NE(read.failure.Describe().find(L"memo.txt: "), std::wstring::npos);
}

TEST(MemoFileReading, FileReleasedWhileRetryingIsRead)
{
    TemporaryFolder folder;
    folder.Write("memo.txt", "kept\r\n");
    HeldFile held(folder.File("memo.txt"));
    ASSERT_TRUE(held.Holding());
    // The retries last about a second; the holder lets go well before.
    std::thread releaser([&] {
        Sleep(50);
        held.Release();
    });
    const MemoFileContent read = ReadMemoFile(folder.Path());
    releaser.join();
    EXPECT_EQ(read.status, Status::Read);
    EXPECT_EQ(read.content, "kept\r\n");
}

TEST(MemoFileWriting, WritesExactlyTheBytesAndNoTemporaryFile)
{
    TemporaryFolder folder;
    ASSERT_TRUE(WriteMemoFile("x\r\n", folder.Path()).Ok());
    EXPECT_EQ(folder.Read("memo.txt"), "x\r\n");
    ASSERT_TRUE(WriteMemoFile("", folder.Path()).Ok());
    EXPECT_EQ(folder.Read("memo.txt"), "");
    EXPECT_EQ(folder.Listing(), "memo.txt");
}

TEST(MemoFileWriting, HeldFileIsReportedAndKeptWhole)
{
    TemporaryFolder folder;
    folder.Write("memo.txt", "old\r\n");
    HeldFile held(folder.File("memo.txt"));
    ASSERT_TRUE(held.Holding());

    const FileResult result = WriteMemoFile("new\r\n", folder.Path());
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.Path(), folder.File("memo.txt"));
    held.Release();
    EXPECT_EQ(folder.Read("memo.txt"), "old\r\n");
    EXPECT_EQ(folder.Listing(), "memo.txt");
}

TEST(MemoFileWriting, FolderThatDoesNotExistIsAFailureNotASuccess)
{
    TemporaryFolder folder;
    const FileResult result = WriteMemoFile("x\r\n", folder.File("missing"));
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.Error(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

// A save cut short leaves its temporary files; the next start finishes or undoes it.
class InterruptedSave : public testing::Test {
protected:
    // The listing of the folder after the next start has looked at it.
    std::string ListingAfterTheNextStart() const
    {
        FinishInterruptedSave(folder.Path());
        return folder.Listing();
    }

    TemporaryFolder folder;
};

TEST_F(InterruptedSave, TemporaryFilesOfAnUnfinishedPairAreRemoved)
{
    folder.Write(
        {{"memo.txt", "old\r\n"}, {"info.ini", "[ROOT]\r\nold\r\n"}, {"memo.txt.tmp", "ne"}, {"info.ini.tmp", "[RO"}});
    EXPECT_EQ(ListingAfterTheNextStart(), "info.ini memo.txt");
    EXPECT_EQ(folder.Read("memo.txt"), "old\r\n");
    EXPECT_EQ(folder.Read("info.ini"), "[ROOT]\r\nold\r\n");

    folder.Write("memo.txt.tmp", "new\r\n");
    EXPECT_EQ(ListingAfterTheNextStart(), "info.ini memo.txt");
    EXPECT_EQ(folder.Read("memo.txt"), "old\r\n");
}

TEST_F(InterruptedSave, InfoFileIsCompletedWhenMemoTxtWasAlreadyReplaced)
{
    folder.Write({{"memo.txt", "new\r\n"}, {"info.ini", "[ROOT]\r\nold\r\n"}, {"info.ini.tmp", "[ROOT]\r\nnew\r\n"}});
    EXPECT_EQ(ListingAfterTheNextStart(), "info.ini memo.txt");
    EXPECT_EQ(folder.Read("info.ini"), "[ROOT]\r\nnew\r\n");
}

TEST_F(InterruptedSave, CompletedInfoFileIsKeptWhileInfoIniIsHeld)
{
    folder.Write({{"memo.txt", "new\r\n"}, {"info.ini", "[ROOT]\r\nold\r\n"}, {"info.ini.tmp", "[ROOT]\r\nnew\r\n"}});
    {
        HeldFile held(folder.File("info.ini"));
        ASSERT_TRUE(held.Holding());
        EXPECT_EQ(ListingAfterTheNextStart(), "info.ini info.ini.tmp memo.txt");
    }
    EXPECT_EQ(ListingAfterTheNextStart(), "info.ini memo.txt");
    EXPECT_EQ(folder.Read("info.ini"), "[ROOT]\r\nnew\r\n");
}

TEST_F(InterruptedSave, NothingToDoLeavesTheFilesAlone)
{
    EXPECT_EQ(ListingAfterTheNextStart(), "");
    folder.Write("memo.txt", "a\r\n");
    EXPECT_EQ(ListingAfterTheNextStart(), "memo.txt");
}

TEST(FileRetries, OperationsFailingForOtherReasonsAreNotRetried)
{
    int attempts = 0;
    EXPECT_EQ(RetryWhileFileIsHeld(kRetryForAboutASecond,
                                   [&] {
                                       ++attempts;
                                       return static_cast<DWORD>(ERROR_FILE_NOT_FOUND);
                                   }),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(attempts, 1);

    attempts = 0;
    EXPECT_EQ(RetryWhileFileIsHeld(kRetryForAboutASecond,
                                   [&] {
                                       return ++attempts < 3 ? static_cast<DWORD>(ERROR_SHARING_VIOLATION)
                                                             : static_cast<DWORD>(ERROR_SUCCESS);
                                   }),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(attempts, 3);

    attempts = 0;
    EXPECT_EQ(RetryWhileFileIsHeld(kRetryForAboutASecond,
                                   [&] {
                                       ++attempts;
                                       return static_cast<DWORD>(ERROR_SHARING_VIOLATION);
                                   }),
              static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(attempts, 8); // the first try and one after each of the seven pauses
}

// The saves while the program runs try once, so that the window thread never waits for a holder.
TEST(FileRetries, OneTryIsNeverRepeated)
{
    for (DWORD held : {ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION, ERROR_ACCESS_DENIED}) {
        int attempts = 0;
        EXPECT_EQ(RetryWhileFileIsHeld(kTryOnce,
                                       [&] {
                                           ++attempts;
                                           return held;
                                       }),
                  held);
        EXPECT_EQ(attempts, 1) << held;
    }
}

TEST(FileRetries, PausesDoubleFromTenMillisecondsAndAddUpToTheBudget)
{
    using Pauses = std::vector<DWORD>;
    EXPECT_EQ(RetryPauses(RetryBudget{0}), Pauses{});
    EXPECT_EQ(RetryPauses(RetryBudget{5}), Pauses{5});
    EXPECT_EQ(RetryPauses(RetryBudget{50}), (Pauses{10, 20, 20}));
    EXPECT_EQ(RetryPauses(RetryBudget{70}), (Pauses{10, 20, 40}));
    EXPECT_EQ(RetryPauses(RetryBudget{1000}), (Pauses{10, 20, 40, 80, 160, 320, 370}));
    EXPECT_EQ(RetryPauses(kTryOnce), Pauses{});
    EXPECT_EQ(RetryPauses(kRetryForAboutASecond), (Pauses{10, 20, 40, 80, 160, 320, 370}));
}
