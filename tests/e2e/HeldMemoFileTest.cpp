// memo.txt held open without sharing by another program (an editor, a backup tool, a virus
// scanner): at start, during saves and at the exit command. No memo may be lost.
#include "FileBytes.h"
#include "HeldFile.h"
#include "MemoWindowQuery.h"
#include "PersistenceTest.h"
#include "Wait.h"
#include "WindowQuery.h"

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

using HeldMemoFileTest = PersistenceTest;

TEST_F(HeldMemoFileTest, HeldAtStartTheUserIsToldAndNoSaveOfThatRunReplacesTheFiles)
{
    WriteStoredMemos(ProgramFolder(), kStored);
    const auto memoBytes = ReadFileBytes(DataFile(kMemoFile));
    const auto infoBytes = ReadFileBytes(DataFile(kInfoFile));
    HeldFile held(DataFile(kMemoFile));
    ASSERT_TRUE(held.Holding());

    Launch();
    HWND box = WaitForMessageBox(kProgramTitle);
    ASSERT_NE(box, nullptr) << "the user is not told that memo.txt cannot be read";
    const std::wstring text = MessageBoxText(box);
    EXPECT_TRUE(Contains(text, L"memo.txt")) << "the message names the file";
    EXPECT_TRUE(Contains(text, L"今回はメモを保存しません")) << "the message says nothing is saved in this run";
    ASSERT_TRUE(ClickMessageBoxButton(box, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));

    // The program runs on, and a memo can be made; but it must not replace the files.
    program_.mainWindow = WaitForMainWindow(*program_.process);
    ASSERT_NE(program_.mainWindow, nullptr);
    HWND made = NewMemo("made while memo.txt is held");
    ASSERT_NE(made, nullptr);
    ASSERT_TRUE(Synchronise());
    EXPECT_EQ(memoBytes, held.Bytes());
    EXPECT_EQ(infoBytes, ReadFileBytes(DataFile(kInfoFile)));

    // Not even once the file is free again, at a timer save after a move or at the exit command.
    held.Release();
    RECT place = RectOf(made);
    OffsetRect(&place, 40, 200);
    ASSERT_TRUE(PlaceWindow(made, place));
    ASSERT_TRUE(Exit()) << "the exit command must not ask about a save it deliberately left out";
    EXPECT_EQ(memoBytes, ReadFileBytes(DataFile(kMemoFile)));
    EXPECT_EQ(infoBytes, ReadFileBytes(DataFile(kInfoFile)));
    EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});

    // The next start shows every memo of the file, where and as it was.
    ASSERT_TRUE(Start());
    ExpectShown(kStored);
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kMessageBoxClass)) << "no message when the file is free";
}

// A held info.ini is not a missing one: read as missing, every memo would open at a new memo's
// place and the next save would overwrite the stored places and colours.
TEST_F(HeldMemoFileTest, InfoIniHeldAtStartTheTextsOpenTheUserIsToldAndThePlacesSurvive)
{
    WriteStoredMemos(ProgramFolder(), kStored);
    const auto memoBytes = ReadFileBytes(DataFile(kMemoFile));
    const auto infoBytes = ReadFileBytes(DataFile(kInfoFile));
    {
        HeldFile held(DataFile(kInfoFile));
        ASSERT_TRUE(held.Holding());
        Launch();
        HWND box = WaitForMessageBox(kProgramTitle);
        ASSERT_NE(box, nullptr) << "the user is not told that info.ini cannot be read";
        EXPECT_TRUE(Contains(MessageBoxText(box), L"info.ini")) << "the message names the file";
        ASSERT_TRUE(ClickMessageBoxButton(box, IDOK));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
        program_.mainWindow = WaitForMainWindow(*program_.process);
        ASSERT_NE(program_.mainWindow, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return VisibleMemos().size() == kStored.size(); })) << "the texts are readable";
    }
    // Moved after the release: still nothing replaces the files in this run.
    HWND memo = VisibleMemos().front();
    RECT place = RectOf(memo);
    OffsetRect(&place, 30, 300);
    ASSERT_TRUE(PlaceWindow(memo, place));
    ASSERT_TRUE(Exit());
    EXPECT_EQ(memoBytes, ReadFileBytes(DataFile(kMemoFile)));
    EXPECT_EQ(infoBytes, ReadFileBytes(DataFile(kInfoFile)));

    ASSERT_TRUE(Start());
    ExpectShown(kStored);
}

TEST_F(HeldMemoFileTest, HeldDuringSeveralSavesItIsWrittenOnceReleasedAndNothingIsLost)
{
    ASSERT_TRUE(Start());
    HWND first = NewMemo("before the hold");
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return StoredMemoWithText(ProgramFolder(), "before the hold").has_value(); }));
    const auto memoBytes = ReadFileBytes(DataFile(kMemoFile));
    const auto infoBytes = ReadFileBytes(DataFile(kInfoFile));

    std::optional<HeldFile> held(std::in_place, DataFile(kMemoFile));
    ASSERT_TRUE(held->Holding());
    // Each new text saves at once and fails; the move waits for a timer save, which fails too.
    HWND second = NewMemo("made while held");
    ASSERT_NE(second, nullptr);
    RECT place = RectOf(first);
    OffsetRect(&place, 500 - place.left, 600 - place.top);
    ASSERT_TRUE(PlaceWindow(first, place));
    ASSERT_NE(RightClickText(second), nullptr);
    ASSERT_TRUE(ChooseWithKeys(kChooseBlue));
    HWND third = NewMemo("also made while held");
    ASSERT_NE(third, nullptr);
    ASSERT_TRUE(Synchronise());
    EXPECT_EQ(memoBytes, held->Bytes()) << "memo.txt changed while it was held";
    EXPECT_EQ(infoBytes, ReadFileBytes(DataFile(kInfoFile))) << "info.ini was replaced without its memo.txt";
    EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kMessageBoxClass)) << "saves in the background ask nothing";

    held.reset();
    const std::vector<StoredMemo> expected = SortedByText({
        StoredMemo{"before the hold", place, kYellow},
        StoredMemo{"made while held", RectOf(second), kBlue},
        StoredMemo{"also made while held", RectOf(third), kYellow},
    });
    EXPECT_TRUE(WaitUntil([&] { return StoredMemosByText() == expected; })) << Describe(ReadStoredMemos(ProgramFolder()));
}

// memo.txt is replaced first; when info.ini cannot follow, the start after completes the pair.
TEST_F(HeldMemoFileTest, InfoIniHeldAtTheExitCommandIsCompletedAtTheNextStart)
{
    ASSERT_TRUE(Start());
    HWND first = NewMemo("first");
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ReadStoredMemos(ProgramFolder()).has_value(); }));
    std::optional<HeldFile> held(std::in_place, DataFile(kInfoFile));
    ASSERT_TRUE(held->Holding());
    HWND second = NewMemo("second");
    ASSERT_NE(second, nullptr);
    RECT firstPlace = RectOf(first);
    OffsetRect(&firstPlace, 640 - firstPlace.left, 520 - firstPlace.top);
    ASSERT_TRUE(PlaceWindow(first, firstPlace));
    RECT secondPlace = RectOf(second);
    OffsetRect(&secondPlace, 150 - secondPlace.left, 760 - secondPlace.top);
    ASSERT_TRUE(PlaceWindow(second, secondPlace));

    ASSERT_TRUE(ChooseExit());
    HWND box = WaitForMessageBox(kProgramTitle);
    ASSERT_NE(box, nullptr) << "the failed last save was not reported";
    EXPECT_TRUE(Contains(MessageBoxText(box), L"info.ini")) << "the question names the file";
    ASSERT_TRUE(ClickMessageBoxButton(box, IDCANCEL));
    ASSERT_TRUE(program_.process->WaitForExit(kDefaultTimeout));
    held.reset();

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
    ASSERT_TRUE(Start());
    HWND memo = NewMemo("at the end");
    ASSERT_NE(memo, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ReadStoredMemos(ProgramFolder()).has_value(); }));
    const auto memoBytes = ReadFileBytes(DataFile(kMemoFile));
    const auto infoBytes = ReadFileBytes(DataFile(kInfoFile));
    HeldFile held(DataFile(kMemoFile));
    ASSERT_TRUE(held.Holding());
    RECT place = RectOf(memo);
    OffsetRect(&place, 90, 90);
    ASSERT_TRUE(PlaceWindow(memo, place));

    DWORD_PTR answer = 0;
    ASSERT_NE(0, SendMessageTimeoutW(program_.mainWindow, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 15000, &answer))
        << "the session end did not return";
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kMessageBoxClass));
    EXPECT_EQ(memoBytes, held.Bytes());
    EXPECT_EQ(infoBytes, ReadFileBytes(DataFile(kInfoFile)));
    EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
}

// The exit command's last save cannot write memo.txt: the user is asked, naming the file.
class ExitWhileMemoFileIsHeldTest : public PersistenceTest {
protected:
    void SetUp() override
    {
        PersistenceTest::SetUp();
        ASSERT_TRUE(Start());
        ASSERT_NE(NewMemo("saved before the hold"), nullptr);
        ASSERT_TRUE(WaitUntil([&] { return ReadStoredMemos(ProgramFolder()).has_value(); }));
        memoBytes_ = ReadFileBytes(DataFile(kMemoFile));
        infoBytes_ = ReadFileBytes(DataFile(kInfoFile));
        held_.emplace(DataFile(kMemoFile));
        ASSERT_TRUE(held_->Holding());
        ASSERT_NE(NewMemo("not saved yet"), nullptr);
        ASSERT_TRUE(Synchronise());
        ASSERT_EQ(memoBytes_, held_->Bytes());
    }

    // The question shown after the exit command; null if none.
    HWND ExitAndWaitForTheQuestion()
    {
        if (!ChooseExit())
            return nullptr;
        HWND box = WaitForMessageBox(kProgramTitle);
        if (box) {
            const std::wstring text = MessageBoxText(box);
            EXPECT_TRUE(Contains(text, L"memo.txt")) << "the question names the file";
            EXPECT_TRUE(Contains(text, L"もう一度保存を試しますか"));
            EXPECT_NE(nullptr, GetDlgItem(box, IDRETRY));
            EXPECT_NE(nullptr, GetDlgItem(box, IDCANCEL));
        }
        return box;
    }

    std::optional<std::string> memoBytes_;
    std::optional<std::string> infoBytes_;
    std::optional<HeldFile> held_;
};

TEST_F(ExitWhileMemoFileIsHeldTest, RetryWhileHeldAsksAgainAndRetryAfterTheReleaseWritesEveryMemo)
{
    HWND box = ExitAndWaitForTheQuestion();
    ASSERT_NE(box, nullptr) << "the failed last save was not reported";
    ASSERT_TRUE(ClickMessageBoxButton(box, IDRETRY));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
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
    EXPECT_EQ(memoBytes_, held_->Bytes());
    held_.reset();
    EXPECT_EQ(memoBytes_, ReadFileBytes(DataFile(kMemoFile)));
    EXPECT_EQ(infoBytes_, ReadFileBytes(DataFile(kInfoFile)));
    EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
}

} // namespace
} // namespace e2e
