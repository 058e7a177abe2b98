// Memos on the running program reach memo.txt and info.ini: at once for a text, by the next timer
// save for a move, a new colour or a deletion, at the end of the session, and they all come back
// after a restart.
#include "AboutDialog.h"
#include "FileBytes.h"
#include "HeldFile.h"
#include "Input.h"
#include "MemoWindowQuery.h"
#include "PersistenceTest.h"
#include "Wait.h"

#include <filesystem>

namespace e2e {
namespace {

using SavedMemosTest = PersistenceTest;

// The memo's stored record agrees with its window on the screen.
bool IsStoredAsShown(const std::filesystem::path& folder, HWND memo, const std::string& text)
{
    const auto stored = StoredMemoWithText(folder, text);
    const RECT shown = RectOf(memo);
    return stored && EqualRect(&stored->place, &shown);
}

TEST_F(SavedMemosTest, TextTypedIntoANewMemoFromTheTrayIsInMemoTxtAtOnce)
{
    ASSERT_TRUE(Start());
    HWND first = TypeNewMemo("first memo\r\nsecond line 2");
    ASSERT_NE(first, nullptr);
    // No polling: the save belongs to the click on OK, so it is done once the program answers.
    ASSERT_TRUE(Synchronise());
    EXPECT_EQ(ReadFileBytes(DataFile(kMemoFile)), "first memo\\nsecond line 2\r\n");
    const auto stored = ReadStoredMemos(ProgramFolder());
    ASSERT_TRUE(stored && stored->size() == 1u) << Describe(stored);
    const RECT shown = RectOf(first);
    EXPECT_TRUE(EqualRect(&stored->front().place, &shown)) << Describe(stored);
    EXPECT_EQ(kYellow, stored->front().colour);

    ASSERT_NE(TypeNewMemo("another"), nullptr);
    ASSERT_TRUE(Synchronise());
    const auto both = StoredMemosByText();
    ASSERT_TRUE(both && both->size() == 2u) << Describe(both);
    EXPECT_EQ("another", both->at(0).text);
    EXPECT_EQ("first memo\r\nsecond line 2", both->at(1).text);
    EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
}

TEST_F(SavedMemosTest, MovedResizedRecolouredAndDeletedMemosReachBothFilesByTheNextTimerSave)
{
    const std::vector<HWND> memos = StartWithSavedMemos({"alpha", "beta"});
    ASSERT_EQ(memos.size(), 2u);
    HWND alpha = memos[0];
    HWND beta = memos[1];
    ASSERT_NE(alpha, beta);
    const auto textsBefore = ReadFileBytes(DataFile(kMemoFile));

    // Moved.
    ASSERT_TRUE(MoveWindowTo(alpha, 300, 420));
    EXPECT_TRUE(WaitUntil([&] { return IsStoredAsShown(ProgramFolder(), alpha, "alpha"); }))
        << Describe(ReadStoredMemos(ProgramFolder()));
    EXPECT_EQ(textsBefore, ReadFileBytes(DataFile(kMemoFile))) << "a move changes no text";

    // Resized by its frame and moved at once.
    RECT betaPlace = RectOf(beta);
    betaPlace =
        RECT{640, 200, 640 + (betaPlace.right - betaPlace.left) + 45, 200 + (betaPlace.bottom - betaPlace.top) + 20};
    ASSERT_TRUE(PlaceWindow(beta, betaPlace));
    EXPECT_TRUE(WaitUntil([&] { return IsStoredAsShown(ProgramFolder(), beta, "beta"); }))
        << Describe(ReadStoredMemos(ProgramFolder()));

    // Recoloured from its context menu.
    ASSERT_NE(RightClickText(beta), nullptr);
    ASSERT_TRUE(ChooseWithKeys(kChooseGreen));
    EXPECT_TRUE(WaitUntil([&] {
        const auto stored = StoredMemoWithText(ProgramFolder(), "beta");
        return stored && stored->colour == kGreen;
    })) << Describe(ReadStoredMemos(ProgramFolder()));
    EXPECT_EQ(kYellow, StoredMemoWithText(ProgramFolder(), "alpha").value_or(StoredMemo{}).colour);

    // Deleted from its context menu: the other memo alone is left, with its place and colour.
    ASSERT_NE(RightClickText(alpha), nullptr);
    ASSERT_TRUE(ChooseWithKeys(kChooseDelete));
    ASSERT_TRUE(WaitUntilHidden(alpha));
    const std::vector<StoredMemo> betaAlone{StoredMemo{"beta", betaPlace, kGreen}};
    EXPECT_TRUE(WaitUntil([&] { return ReadStoredMemos(ProgramFolder()) == betaAlone; }))
        << Describe(ReadStoredMemos(ProgramFolder()));
    EXPECT_EQ(ReadFileBytes(DataFile(kMemoFile)), "beta\r\n");

    // The last one deleted: an empty memo.txt and a count of 0.
    ASSERT_NE(RightClickText(beta), nullptr);
    ASSERT_TRUE(ChooseWithKeys(kChooseDelete));
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(DataFile(kMemoFile)) == ""; }));
    EXPECT_TRUE(WaitUntil([&] { return ReadStoredMemos(ProgramFolder()) == std::vector<StoredMemo>{}; }))
        << ReadFileBytes(DataFile(kInfoFile)).value_or("(no info.ini)");
}

TEST_F(SavedMemosTest, AfterExitAndANewStartEveryMemoIsBackWithItsTextPlaceSizeAndColour)
{
    // Where each goes (left and top; the size follows from the text) and its colour.
    const std::vector<StoredMemo> memos{
        {"C:\\new\\folder\r\nsecond line", RECT{120, 640, 0, 0}, kGreen},
        {"plain", RECT{500, 150, 0, 0}, kYellow},
        {"\\n is no line break \\\\", RECT{820, 470, 0, 0}, kBlue},
    };
    ASSERT_TRUE(Start());
    std::vector<StoredMemo> before;
    for (const StoredMemo& memo : memos) {
        HWND window = NewMemo(memo.text);
        ASSERT_NE(window, nullptr);
        // Placed, and made a little larger than its text as a person does with the frame.
        const RECT created = RectOf(window);
        const RECT place{memo.place.left, memo.place.top, memo.place.left + (created.right - created.left) + 30,
                         memo.place.top + (created.bottom - created.top) + 12};
        ASSERT_TRUE(PlaceWindow(window, place));
        if (memo.colour != kYellow) {
            ASSERT_NE(RightClickText(window), nullptr);
            ASSERT_TRUE(ChooseWithKeys(memo.colour == kGreen ? kChooseGreen : kChooseBlue));
        }
        ASSERT_TRUE(WaitUntil([&] { return ColourOnScreen(window) == memo.colour; }));
        before.push_back(StoredMemo{memo.text, place, memo.colour});
    }
    ASSERT_TRUE(Exit());

    ASSERT_TRUE(Start());
    ExpectStackedInFileOrder(before);
    ExpectShown(before);
}

// The screen cannot change its size here, so a memo is put where no screen shows it, as a monitor
// that goes away leaves it, and the display change is announced as Windows announces it.
TEST_F(SavedMemosTest, AfterADisplayChangeAMemoNoScreenShowsIsBroughtOntoItAndSavedAndTheOtherStays)
{
    const std::vector<HWND> memos = StartWithSavedMemos({"shown", "lost"});
    ASSERT_EQ(memos.size(), 2u);
    RECT shownPlace{};
    RECT lostPlace{};
    ASSERT_TRUE(MoveWindowTo(memos[0], 200, 150, &shownPlace));
    const int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    ASSERT_TRUE(MoveWindowTo(memos[1], screenWidth + 300, 240, &lostPlace));

    DWORD_PTR ignored = 0;
    ASSERT_NE(0, SendMessageTimeoutW(program_.mainWindow, WM_DISPLAYCHANGE, 32, MAKELPARAM(screenWidth, screenHeight),
                                     SMTO_NORMAL, 15000, &ignored));
    const LONG width = lostPlace.right - lostPlace.left;
    const RECT broughtBack{screenWidth - width, 240, screenWidth, lostPlace.bottom};
    EXPECT_TRUE(WaitUntil([&] {
        const RECT now = RectOf(memos[1]);
        return EqualRect(&now, &broughtBack) != FALSE;
    })) << RectOf(memos[1]).left;
    const RECT shownNow = RectOf(memos[0]);
    EXPECT_TRUE(EqualRect(&shownPlace, &shownNow)) << shownNow.left << ", " << shownNow.top;
    EXPECT_TRUE(WaitUntil([&] {
        return IsStoredAsShown(ProgramFolder(), memos[1], "lost") &&
               IsStoredAsShown(ProgramFolder(), memos[0], "shown");
    })) << Describe(ReadStoredMemos(ProgramFolder()));
}

// Windows may end the process right after WM_ENDSESSION; what changed since the last timer save
// must be on the disk when the message returns.
TEST_F(SavedMemosTest, SessionEndSavesWhatChangedSinceTheLastTimerSave)
{
    ASSERT_TRUE(Start());
    HWND memo = NewMemo("until the session ends");
    ASSERT_NE(memo, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsStoredAsShown(ProgramFolder(), memo, "until the session ends"); }));

    // A session end that is called off changes nothing: the timer goes on saving.
    DWORD_PTR answer = 0;
    ASSERT_NE(0, SendMessageTimeoutW(program_.mainWindow, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 15000, &answer));
    EXPECT_EQ(TRUE, answer) << "the program must not hold up the end of the session";
    ASSERT_NE(0, SendMessageTimeoutW(program_.mainWindow, WM_ENDSESSION, FALSE, 0, SMTO_NORMAL, 15000, &answer));
    RECT place{};
    ASSERT_TRUE(MoveWindowTo(memo, 700, 90, &place));
    EXPECT_TRUE(WaitUntil([&] { return IsStoredAsShown(ProgramFolder(), memo, "until the session ends"); }));

    ASSERT_TRUE(MoveWindowBy(memo, 60, 500, &place));
    ASSERT_NE(0, SendMessageTimeoutW(program_.mainWindow, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 15000, &answer));
    ASSERT_NE(0, SendMessageTimeoutW(program_.mainWindow, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 15000, &answer));
    // No polling: the save belongs to the message.
    const auto stored = ReadStoredMemos(ProgramFolder());
    EXPECT_EQ(stored, (std::vector<StoredMemo>{StoredMemo{"until the session ends", place, kYellow}}))
        << Describe(stored);
}

// Kamifuda copied with its files into a folder whose name the ANSI code page cannot spell: the
// tests run with code page 932, which has neither é nor Ω.
class ForeignFolderNameTest : public PersistenceTest {
protected:
    std::filesystem::path ProgramFolderName() const override { return L"José-Ωメモ"; }
};

TEST_F(ForeignFolderNameTest, EveryMemoIsRestoredANewOneIsSavedAndTheVersionIsRead)
{
    const std::vector<StoredMemo> stored{
        StoredMemo{"first", RECT{100, 120, 240, 160}, kGreen},
        StoredMemo{"second\r\nline two", RECT{420, 300, 580, 360}, kYellow},
        StoredMemo{"third", RECT{800, 500, 930, 540}, kBlue},
    };
    WriteStoredMemos(ProgramFolder(), stored);
    ASSERT_TRUE(Start());
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kMessageBoxClass)) << "the files were not readable";
    ExpectShown(stored);

    HWND made = NewMemo("made in the tray");
    ASSERT_NE(made, nullptr);
    ASSERT_TRUE(Synchronise());
    std::vector<StoredMemo> expected = stored;
    expected.push_back(StoredMemo{"made in the tray", RectOf(made), kYellow});
    EXPECT_EQ(StoredMemosByText(), SortedByText(expected)) << Describe(ReadStoredMemos(ProgramFolder()));

    // The version comes from the executable's own file.
    ASSERT_NE(OpenTrayMenu(program_), nullptr);
    PressKeys({'A'});
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = AboutDialogOf(ProcessId())) != nullptr; }));
    EXPECT_TRUE(AboutDialogShows(about, ExpectedVersionLine(Program())));
    PressKeys({VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));

    ASSERT_TRUE(Exit());
    EXPECT_EQ(StoredMemosByText(), SortedByText(expected)) << Describe(ReadStoredMemos(ProgramFolder()));
}

const std::vector<StoredMemo> kOldPair{
    StoredMemo{"old one", RECT{100, 100, 260, 150}, kGreen},
    StoredMemo{"old two\r\nwith two lines", RECT{400, 300, 560, 380}, kYellow},
};
const std::vector<StoredMemo> kNewPair{
    StoredMemo{"new one", RECT{150, 500, 300, 540}, kBlue},
    StoredMemo{"new two", RECT{700, 120, 880, 170}, kYellow},
    StoredMemo{"new three", RECT{900, 600, 1040, 660}, kGreen},
};

std::vector<std::string> TextsOf(const std::vector<StoredMemo>& memos)
{
    std::vector<std::string> texts;
    for (const auto& memo : memos)
        texts.push_back(memo.text);
    return texts;
}

class LeftoverFilesTest : public PersistenceTest {
protected:
    // The old pair stored and a save of the new pair cut short: both temporary files written and,
    // if `memoFileMoved`, memo.txt already moved into place.
    void LeaveACutShortSave(bool memoFileMoved)
    {
        WriteStoredMemos(ProgramFolder(), kOldPair);
        WriteFileBytes(DataFile(memoFileMoved ? kMemoFile : kMemoTemporaryFile), MemoFileBytes(TextsOf(kNewPair)));
        WriteFileBytes(DataFile(kInfoTemporaryFile), InfoFileBytes(kNewPair));
    }

    // The next start shows these memos, leaves them stored as they are and no temporary file.
    void ExpectTheStartShowsAndStores(const std::vector<StoredMemo>& memos)
    {
        ASSERT_TRUE(Start());
        ExpectStackedInFileOrder(memos);
        ExpectShown(memos);
        EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
        EXPECT_EQ(StoredMemosByText(), SortedByText(memos)) << Describe(ReadStoredMemos(ProgramFolder()));
    }
};

// The save wrote both temporary files and ended before it moved memo.txt: the old pair is whole.
TEST_F(LeftoverFilesTest, SaveCutShortBeforeItsFirstMoveLeavesTheOldPairAndItsTemporaryFilesGo)
{
    LeaveACutShortSave(false);
    ExpectTheStartShowsAndStores(kOldPair);
}

// The save moved the new memo.txt into place and ended before it moved info.ini: the start finishes
// the save, so the new texts get their new records instead of the old ones.
TEST_F(LeftoverFilesTest, SaveCutShortBetweenItsTwoMovesIsCompletedAtTheNextStart)
{
    LeaveACutShortSave(true);
    ExpectTheStartShowsAndStores(kNewPair);
}

// The same cut-short save, and at the next start info.ini is held by another program: the start
// can neither complete the pair nor read the places, so it tells the user, keeps the completed
// temporary file and saves nothing; the start after the release completes the pair.
TEST_F(LeftoverFilesTest, SaveCutShortBetweenItsTwoMovesWaitsWhileInfoIniIsHeld)
{
    LeaveACutShortSave(true);
    {
        HeldFile held(DataFile(kInfoFile));
        ASSERT_TRUE(held.Holding());
        Launch();
        HWND box = WaitForMessageBox(kProgramTitle);
        ASSERT_NE(box, nullptr) << "the user is not told that info.ini cannot be read";
        ASSERT_NO_FATAL_FAILURE(RunOnAfter(box));
        ASSERT_TRUE(WaitUntil([&] { return VisibleMemos().size() == kNewPair.size(); }));
        EXPECT_TRUE(std::filesystem::exists(DataFile(kInfoTemporaryFile))) << "the only record of the places is gone";
    }
    ASSERT_TRUE(Exit());
    EXPECT_TRUE(std::filesystem::exists(DataFile(kInfoTemporaryFile)));

    ExpectTheStartShowsAndStores(kNewPair);
}

} // namespace
} // namespace e2e
