// memo.txt held open without sharing by another program (an editor, a backup tool, a virus
// scanner): at start, during saves and at the exit command. No memo may be lost.
#include "FileBytes.h"
#include "HeldFile.h"
#include "MemoWindowQuery.h"
#include "PersistenceTest.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace e2e {
namespace {

const std::vector<StoredMemo> kStored{
    StoredMemo{"kept one", RECT{100, 120, 240, 160}, kGreen},
    StoredMemo{"kept two\r\nsecond line", RECT{600, 480, 760, 540}, kYellow},
};

bool Contains(const std::wstring& text, const std::wstring& part)
{
    return text.find(part) != std::wstring::npos;
}

// The bytes of memo.txt and info.ini at one moment, to compare with later.
struct DataFileBytes {
    std::optional<std::string> memo;
    std::optional<std::string> info;
};

class HeldMemoFileTest : public PersistenceTest {
protected:
    DataFileBytes DataFilesNow() const
    {
        return {ReadFileBytes(DataFile(kMemoFile)), ReadFileBytes(DataFile(kInfoFile))};
    }

    // Starts the program on the stored memos with `file` held: the user is told, naming the file,
    // confirms, and the program runs on.
    void LaunchWhileHeld(const char* file, const std::wstring& also = L"")
    {
        WriteStoredMemos(ProgramFolder(), kStored);
        before_ = DataFilesNow();
        held_.emplace(DataFile(file));
        ASSERT_TRUE(held_->Holding());
        Launch();
        HWND box = MessageNaming(file, also);
        ASSERT_NE(box, nullptr) << "the user is not told that " << file << " cannot be read";
        ASSERT_NO_FATAL_FAILURE(RunOnAfter(box));
    }

    // Starts the program, makes a memo, waits until it is saved and then holds `file`. Returns the
    // memo; null if something failed.
    HWND HoldAfterSaving(const std::string& text, const char* file)
    {
        const std::vector<HWND> memos = StartWithSavedMemos({text});
        if (memos.empty())
            return nullptr;
        HWND memo = memos.front();
        before_ = DataFilesNow();
        held_.emplace(DataFile(file));
        EXPECT_TRUE(held_->Holding()) << file << " could not be held";
        return held_->Holding() ? memo : nullptr;
    }

    // Neither file was replaced since the hold began and no temporary file of a save is left.
    // memo.txt is read through `heldMemo` while this test holds it.
    void ExpectUntouched(const HeldFile* heldMemo = nullptr) const
    {
        EXPECT_EQ(before_.memo, heldMemo ? heldMemo->Bytes() : ReadFileBytes(DataFile(kMemoFile)))
            << "memo.txt changed";
        EXPECT_EQ(before_.info, ReadFileBytes(DataFile(kInfoFile))) << "info.ini was replaced";
        EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
    }

    // The program's message box, checked to name `file` and to say `also`; null if none shows.
    HWND MessageNaming(const char* file, const std::wstring& also = L"")
    {
        HWND box = WaitForMessageBox(kProgramTitle);
        if (box) {
            const std::wstring text = MessageBoxText(box);
            EXPECT_TRUE(Contains(text, std::wstring(file, file + std::strlen(file)))) << "the message names the file";
            if (!also.empty()) {
                EXPECT_TRUE(Contains(text, also)) << "the message says what happens next";
            }
        }
        return box;
    }

    DataFileBytes before_;
    std::optional<HeldFile> held_;
};

// How a window answered messages sent to it one after another.
struct Answers {
    int sent = 0;
    int unanswered = 0;
    DWORD longestMs = 0;
};

// Sends the window a message every 100 ms for this long, each given 200 ms to be answered, as
// Windows itself asks a window before it calls it hung.
Answers AskRepeatedly(HWND window, DWORD forMs)
{
    constexpr UINT kAnswerTimeoutMs = 200;
    constexpr DWORD kIntervalMs = 100;
    Answers answers;
    const ULONGLONG start = GetTickCount64();
    while (GetTickCount64() - start < forMs) {
        const ULONGLONG sent = GetTickCount64();
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &result))
            ++answers.unanswered;
        answers.longestMs = std::max(answers.longestMs, static_cast<DWORD>(GetTickCount64() - sent));
        ++answers.sent;
        Sleep(kIntervalMs);
    }
    return answers;
}

TEST_F(HeldMemoFileTest, HeldAtStartTheUserIsToldAndNoSaveOfThatRunReplacesTheFiles)
{
    ASSERT_NO_FATAL_FAILURE(LaunchWhileHeld(kMemoFile, L"今回はメモを保存しません"));

    // The program runs on, and a memo can be made; but it must not replace the files.
    HWND made = NewMemo("made while memo.txt is held");
    ASSERT_NE(made, nullptr);
    ASSERT_TRUE(Synchronise());
    ExpectUntouched(&*held_);

    // Not even once the file is free again, at a timer save after a move or at the exit command.
    held_.reset();
    ASSERT_TRUE(MoveWindowBy(made, 40, 200));
    ASSERT_TRUE(Exit()) << "the exit command must not ask about a save it deliberately left out";
    ExpectUntouched();

    // The next start shows every memo of the file, where and as it was.
    ASSERT_TRUE(Start());
    ExpectShown(kStored);
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kMessageBoxClass)) << "no message when the file is free";
}

// A held info.ini is not a missing one: read as missing, every memo would open at a new memo's
// place and the next save would overwrite the stored places and colours.
TEST_F(HeldMemoFileTest, InfoIniHeldAtStartTheTextsOpenTheUserIsToldAndThePlacesSurvive)
{
    ASSERT_NO_FATAL_FAILURE(LaunchWhileHeld(kInfoFile));
    ASSERT_TRUE(WaitUntil([&] { return VisibleMemos().size() == kStored.size(); })) << "the texts are readable";
    held_.reset();
    // Moved after the release: still nothing replaces the files in this run.
    HWND memo = VisibleMemos().front();
    ASSERT_TRUE(MoveWindowBy(memo, 30, 300));
    ASSERT_TRUE(Exit());
    ExpectUntouched();

    ASSERT_TRUE(Start());
    ExpectShown(kStored);
}

TEST_F(HeldMemoFileTest, HeldDuringSeveralSavesTheMemosAnswerAndItIsWrittenOnceReleasedAndNothingIsLost)
{
    HWND first = HoldAfterSaving("before the hold", kMemoFile);
    ASSERT_NE(first, nullptr);
    // Each new text saves at once and fails; the move waits for a timer save, which fails too.
    HWND second = NewMemo("made while held");
    ASSERT_NE(second, nullptr);
    RECT place{};
    ASSERT_TRUE(MoveWindowTo(first, 500, 600, &place));
    ASSERT_NE(RightClickText(second), nullptr);
    ASSERT_TRUE(ChooseWithKeys(kChooseBlue));
    HWND third = NewMemo("also made while held");
    ASSERT_NE(third, nullptr);
    ASSERT_TRUE(Synchronise());
    ExpectUntouched(&*held_);

    // Every timer tick tries again and fails at once: the memos answer throughout.
    const Answers answers = AskRepeatedly(first, 20000);
    std::printf("memo.txt held for 20 s: %d messages sent, %d unanswered within 200 ms, the longest answer %lu ms\n",
                answers.sent, answers.unanswered, answers.longestMs);
    EXPECT_GT(answers.sent, 50);
    EXPECT_EQ(answers.unanswered, 0) << "of " << answers.sent;
    ExpectUntouched(&*held_);
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kMessageBoxClass)) << "saves in the background ask nothing";

    held_.reset();
    const std::vector<StoredMemo> expected = SortedByText({
        StoredMemo{"before the hold", place, kYellow},
        StoredMemo{"made while held", RectOf(second), kBlue},
        StoredMemo{"also made while held", RectOf(third), kYellow},
    });
    EXPECT_TRUE(WaitUntil([&] { return StoredMemosByText() == expected; }))
        << Describe(ReadStoredMemos(ProgramFolder()));
}

// memo.txt is replaced first; when info.ini cannot follow, the start after completes the pair.
TEST_F(HeldMemoFileTest, InfoIniHeldAtTheExitCommandIsCompletedAtTheNextStart)
{
    HWND first = HoldAfterSaving("first", kInfoFile);
    ASSERT_NE(first, nullptr);
    HWND second = NewMemo("second");
    ASSERT_NE(second, nullptr);
    RECT firstPlace{};
    ASSERT_TRUE(MoveWindowTo(first, 640, 520, &firstPlace));
    RECT secondPlace{};
    ASSERT_TRUE(MoveWindowTo(second, 150, 760, &secondPlace));

    ASSERT_TRUE(ChooseExit());
    HWND box = MessageNaming(kInfoFile);
    ASSERT_NE(box, nullptr) << "the failed last save was not reported";
    ASSERT_NO_FATAL_FAILURE(Answer(box, IDCANCEL));
    ASSERT_TRUE(program_.process->WaitForExit(kDefaultTimeout));
    held_.reset();

    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntil([&] { return VisibleMemos().size() == 2u; })) << VisibleMemos().size();
    for (const auto& [text, place] : {std::pair{"first", firstPlace}, std::pair{"second", secondPlace}}) {
        SCOPED_TRACE(text);
        HWND window = VisibleMemoHeaded(text);
        ASSERT_NE(window, nullptr);
        const RECT shown = RectOf(window);
        EXPECT_TRUE(EqualRect(&place, &shown));
    }
    EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
}

// At the end of the session nobody can answer a question: the save is tried and the message
// returns, the files untouched.
TEST_F(HeldMemoFileTest, HeldAtTheEndOfTheSessionTheSaveFailsWithoutAQuestion)
{
    HWND memo = HoldAfterSaving("at the end", kMemoFile);
    ASSERT_NE(memo, nullptr);
    ASSERT_TRUE(MoveWindowBy(memo, 90, 90));

    DWORD_PTR answer = 0;
    ASSERT_NE(0, SendMessageTimeoutW(program_.mainWindow, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 15000, &answer))
        << "the session end did not return";
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kMessageBoxClass));
    ExpectUntouched(&*held_);
}

// The exit command's last save cannot write memo.txt: the user is asked, naming the file.
class ExitWhileMemoFileIsHeldTest : public HeldMemoFileTest {
protected:
    void SetUp() override
    {
        HeldMemoFileTest::SetUp();
        ASSERT_NE(HoldAfterSaving("saved before the hold", kMemoFile), nullptr);
        ASSERT_NE(NewMemo("not saved yet"), nullptr);
        ASSERT_TRUE(Synchronise());
        ASSERT_EQ(before_.memo, held_->Bytes());
    }

    // The question shown after the exit command; null if none.
    HWND ExitAndWaitForTheQuestion()
    {
        if (!ChooseExit())
            return nullptr;
        HWND box = MessageNaming(kMemoFile, L"もう一度保存を試しますか");
        if (box) {
            EXPECT_NE(nullptr, GetDlgItem(box, IDRETRY));
            EXPECT_NE(nullptr, GetDlgItem(box, IDCANCEL));
        }
        return box;
    }
};

TEST_F(ExitWhileMemoFileIsHeldTest, RetryWhileHeldAsksAgainAndRetryAfterTheReleaseWritesEveryMemo)
{
    HWND box = ExitAndWaitForTheQuestion();
    ASSERT_NE(box, nullptr) << "the failed last save was not reported";
    ASSERT_NO_FATAL_FAILURE(Answer(box, IDRETRY));
    box = WaitForMessageBox(kProgramTitle);
    ASSERT_NE(box, nullptr) << "a retry that failed again was not reported";
    EXPECT_TRUE(program_.process->IsRunning());

    held_.reset();
    ASSERT_TRUE(ClickMessageBoxButton(box, IDRETRY));
    ASSERT_TRUE(program_.process->WaitForExit(kDefaultTimeout));
    EXPECT_EQ(0u, program_.process->ExitCode());
    const auto stored = StoredMemosByText();
    ASSERT_TRUE(stored && stored->size() == 2u) << Describe(stored);
    EXPECT_EQ("not saved yet", stored->at(0).text);
    EXPECT_EQ("saved before the hold", stored->at(1).text);
}

TEST_F(ExitWhileMemoFileIsHeldTest, CancelEndsTheProgramWithoutWriting)
{
    HWND box = ExitAndWaitForTheQuestion();
    ASSERT_NE(box, nullptr) << "the failed last save was not reported";
    ASSERT_TRUE(ClickMessageBoxButton(box, IDCANCEL));
    ASSERT_TRUE(program_.process->WaitForExit(kDefaultTimeout));
    EXPECT_EQ(0u, program_.process->ExitCode());
    EXPECT_EQ(before_.memo, held_->Bytes());
    held_.reset();
    ExpectUntouched();
}

} // namespace
} // namespace e2e
