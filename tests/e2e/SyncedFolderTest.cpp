// Two PCs run Kamifuda on one synced folder. The test plays the other PC: it rewrites memo.txt and
// info.ini while the program runs, and the program takes in what it finds, or keeps it beside its own
// memos when both sides changed, and never overwrites it unseen.
#include "FileBytes.h"
#include "Input.h"
#include "MemoWindowQuery.h"
#include "PersistenceTest.h"
#include "Wait.h"

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

namespace e2e {
namespace {

using SyncedFolderTest = PersistenceTest;
using namespace std::chrono_literals;

// The program looks at the files at each timer save; a pair that moved is read at the next one.
constexpr std::chrono::milliseconds kTimerPeriod{3000};
// Room for a busy machine on top of the two periods.
constexpr std::chrono::milliseconds kSlack{3000};

const std::vector<StoredMemo> kBefore{
    StoredMemo{"alpha", RECT{100, 120, 240, 160}, kYellow},
    StoredMemo{"beta", RECT{420, 300, 580, 360}, kGreen},
    StoredMemo{"gamma", RECT{800, 500, 930, 540}, kBlue},
};

// The names of the files in the folder that start with this text, sorted.
std::vector<std::string> FilesStartingWith(const std::filesystem::path& folder, const std::string& start)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(start, 0) == 0)
            names.insert(name);
    }
    return {names.begin(), names.end()};
}

// The window captions of the visible memos, each a memo's first line.
std::set<std::wstring> ShownCaptions(const std::vector<HWND>& memos)
{
    std::set<std::wstring> captions;
    for (HWND memo : memos)
        captions.insert(WideCaptionOf(memo));
    return captions;
}

std::set<std::wstring> CaptionsOf(const std::vector<StoredMemo>& memos)
{
    std::set<std::wstring> captions;
    for (const StoredMemo& memo : memos) {
        const std::string firstLine = memo.text.substr(0, memo.text.find_first_of("\r\n"));
        captions.insert(std::wstring(firstLine.begin(), firstLine.end())); // ASCII texts only
    }
    return captions;
}

TEST_F(SyncedFolderTest, FilesRewrittenElsewhereAreShownAndLeftAsTheyAre)
{
    WriteStoredMemos(ProgramFolder(), kBefore);
    ASSERT_TRUE(Start());
    ExpectShown(kBefore);
    HWND unchanged = VisibleMemoHeaded("alpha");

    // The other PC kept alpha, moved and recoloured beta, deleted gamma and added delta.
    const std::vector<StoredMemo> after{
        kBefore[0],
        StoredMemo{"beta", RECT{200, 600, 360, 660}, kBlue},
        StoredMemo{"delta\r\nsecond line", RECT{600, 100, 780, 160}, kGreen},
    };
    WriteStoredMemos(ProgramFolder(), after);
    const auto memoBytes = ReadFileBytes(DataFile(kMemoFile));
    const auto infoBytes = ReadFileBytes(DataFile(kInfoFile));
    EXPECT_TRUE(
        WaitUntil([&] { return ShownCaptions(VisibleMemos()) == CaptionsOf(after); }, 2 * kTimerPeriod + kSlack));
    ExpectShown(after);
    EXPECT_EQ(VisibleMemoHeaded("alpha"), unchanged) << "an unchanged memo got a new window";

    // Two more timer saves: nothing is written back, nothing is told.
    std::this_thread::sleep_for(2 * kTimerPeriod);
    ASSERT_TRUE(Synchronise());
    EXPECT_EQ(ReadFileBytes(DataFile(kMemoFile)), memoBytes);
    EXPECT_EQ(ReadFileBytes(DataFile(kInfoFile)), infoBytes);
    EXPECT_EQ(FilesStartingWith(ProgramFolder(), "memo."), std::vector<std::string>{"memo.txt"});
    EXPECT_EQ(FilesStartingWith(ProgramFolder(), "info."), std::vector<std::string>{"info.ini"});
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kMessageBoxClass));
}

TEST_F(SyncedFolderTest, ChangesOnBothSidesKeepTheOtherPairAndTellTheUserOnce)
{
    WriteStoredMemos(ProgramFolder(), kBefore);
    ASSERT_TRUE(Start());
    ExpectShown(kBefore);

    // The other PC added a memo; at the same time this one recolours alpha (the next timer save
    // finds it, as the files' change).
    std::vector<StoredMemo> theirs = kBefore;
    theirs.push_back(StoredMemo{"theirs", RECT{300, 700, 420, 740}, kYellow});
    WriteStoredMemos(ProgramFolder(), theirs);
    const auto theirMemo = ReadFileBytes(DataFile(kMemoFile));
    const auto theirInfo = ReadFileBytes(DataFile(kInfoFile));
    HWND alpha = VisibleMemoHeaded("alpha");
    ASSERT_NE(RightClickText(alpha), nullptr);
    ASSERT_TRUE(ChooseWithKeys(kChooseGreen));

    HWND box = WaitForMessageBox(kProgramTitle);
    ASSERT_NE(box, nullptr);
    const std::vector<std::string> keptMemo = FilesStartingWith(ProgramFolder(), "memo.conflict-");
    const std::vector<std::string> keptInfo = FilesStartingWith(ProgramFolder(), "info.conflict-");
    ASSERT_EQ(keptMemo.size(), 1u);
    ASSERT_EQ(keptInfo.size(), 1u);
    EXPECT_EQ(keptMemo[0].size(), std::string("memo.conflict-YYYYMMDD-HHMMSS.txt").size()) << keptMemo[0];
    EXPECT_EQ(keptInfo[0], "info" + keptMemo[0].substr(4, keptMemo[0].size() - 8) + ".ini");
    EXPECT_EQ(ReadFileBytes(ProgramFolder() / keptMemo[0]), theirMemo);
    EXPECT_EQ(ReadFileBytes(ProgramFolder() / keptInfo[0]), theirInfo);
    const std::wstring told = MessageBoxText(box);
    EXPECT_NE(told.find(std::wstring(keptMemo[0].begin(), keptMemo[0].end())), std::wstring::npos);
    EXPECT_NE(told.find(std::wstring(keptInfo[0].begin(), keptInfo[0].end())), std::wstring::npos);

    // This PC's memos are in the data files: alpha green, and no "theirs".
    std::vector<StoredMemo> mine = kBefore;
    mine[0].colour = kGreen;
    EXPECT_EQ(StoredMemosByText(), SortedByText(mine)) << Describe(ReadStoredMemos(ProgramFolder()));

    ASSERT_TRUE(ClickMessageBoxButton(box, IDOK));
    ASSERT_TRUE(WaitUntilHidden(box));
    ExpectShown(mine); // the box no longer covers a memo
    std::this_thread::sleep_for(2 * kTimerPeriod);
    ASSERT_TRUE(Synchronise());
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kMessageBoxClass)) << "told twice";
    EXPECT_EQ(FilesStartingWith(ProgramFolder(), "memo.conflict-"), keptMemo);
    EXPECT_EQ(StoredMemosByText(), SortedByText(mine));
}

// The user types into a memo's edit dialog while the other PC's save arrives: it waits for the dialog.
// OK then is a change on both sides: the typed text is saved and the other PC's memos are kept in
// conflict files. After a Cancel the other PC's memos are taken in.
TEST_F(SyncedFolderTest, AnOpenEditDialogLosesNothingToWhatTheOtherPCWrote)
{
    WriteStoredMemos(ProgramFolder(), kBefore);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntil([&] { return ShownCaptions(VisibleMemos()) == CaptionsOf(kBefore); }));
    const auto openDialogOn = [&](const char* text) {
        HWND memo = VisibleMemoHeaded(text);
        HWND dialog = nullptr;
        if (memo && RightClickText(memo) && ChooseWithKeys({'E'})) // 編集する(&E)
            dialog = WaitForEditDialog();
        return dialog;
    };
    HWND dialog = openDialogOn("beta");
    ASSERT_NE(dialog, nullptr);

    // The other PC changed beta and added delta.
    std::vector<StoredMemo> theirs = kBefore;
    theirs[1].text = "beta theirs";
    theirs.push_back(StoredMemo{"delta", RECT{600, 100, 780, 160}, kGreen});
    WriteStoredMemos(ProgramFolder(), theirs);
    const auto theirMemo = ReadFileBytes(DataFile(kMemoFile));
    const auto theirInfo = ReadFileBytes(DataFile(kInfoFile));
    // Long enough for the look that sees the pair move and the one that finds it at rest.
    std::this_thread::sleep_for(2 * kTimerPeriod + kSlack);
    ASSERT_TRUE(Synchronise());
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(ShownCaptions(VisibleMemos()), CaptionsOf(kBefore)) << "taken in under the open dialog";

    // OK with a new text, as Ctrl+Enter gives it.
    SendMessageA(ChildOf(dialog, "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("beta typed"));
    ASSERT_TRUE(PressControlEnter());
    HWND box = WaitForMessageBox(kProgramTitle);
    ASSERT_NE(box, nullptr) << "no word of the other PC's memos kept aside";
    const std::vector<std::string> keptMemo = FilesStartingWith(ProgramFolder(), "memo.conflict-");
    const std::vector<std::string> keptInfo = FilesStartingWith(ProgramFolder(), "info.conflict-");
    ASSERT_EQ(keptMemo.size(), 1u);
    ASSERT_EQ(keptInfo.size(), 1u);
    EXPECT_EQ(ReadFileBytes(ProgramFolder() / keptMemo[0]), theirMemo);
    EXPECT_EQ(ReadFileBytes(ProgramFolder() / keptInfo[0]), theirInfo);
    Answer(box, IDOK);
    ASSERT_TRUE(WaitUntilHidden(dialog));
    // The memo takes the typed text's size.
    std::vector<StoredMemo> mine = kBefore;
    mine[1].text = "beta typed";
    const SIZE typed = MemoClientSizeFor(mine[1].text);
    mine[1].place.right = mine[1].place.left + typed.cx + MemoWindowExtra().cx;
    mine[1].place.bottom = mine[1].place.top + typed.cy + MemoWindowExtra().cy;
    EXPECT_EQ(StoredMemosByText(), SortedByText(mine)) << Describe(ReadStoredMemos(ProgramFolder()));
    EXPECT_EQ(ShownCaptions(VisibleMemos()), CaptionsOf(mine));

    // The other PC adds epsilon to what it now finds; a dialog opened and cancelled meanwhile.
    dialog = openDialogOn("alpha");
    ASSERT_NE(dialog, nullptr);
    std::vector<StoredMemo> again = mine;
    again.push_back(StoredMemo{"epsilon", RECT{200, 600, 360, 660}, kRed});
    WriteStoredMemos(ProgramFolder(), again);
    std::this_thread::sleep_for(2 * kTimerPeriod + kSlack);
    ASSERT_TRUE(Synchronise());
    EXPECT_EQ(ShownCaptions(VisibleMemos()), CaptionsOf(mine)) << "taken in under the open dialog";
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitUntilHidden(dialog));
    EXPECT_TRUE(WaitUntil([&] { return ShownCaptions(VisibleMemos()) == CaptionsOf(again); }, kTimerPeriod + kSlack));
    EXPECT_EQ(FilesStartingWith(ProgramFolder(), "memo.conflict-"), keptMemo) << "kept aside again";
}

TEST_F(SyncedFolderTest, FileRewrittenInTwoHalvesIsTakenInOnlyWhole)
{
    WriteStoredMemos(ProgramFolder(), kBefore);
    ASSERT_TRUE(Start());
    ExpectShown(kBefore);

    // Three rewrites, each in two halves a second apart, one after the other: the halves stand for
    // a second at three different moments of a timer period, so one of the program's looks falls on
    // a half, whenever its timer ticks.
    std::vector<std::vector<StoredMemo>> rewrites;
    for (const char* round : {"first", "second", "third"})
        rewrites.push_back({StoredMemo{std::string(round) + " round long memo", RECT{100, 120, 260, 160}, kYellow},
                            StoredMemo{std::string(round) + " round other memo", RECT{420, 300, 580, 360}, kBlue}});
    std::vector<std::string> schedule; // memo.txt's bytes, one a second
    std::set<std::wstring> allowed = CaptionsOf(kBefore);
    for (const auto& memos : rewrites) {
        const std::string whole = MemoFileBytes({memos[0].text, memos[1].text});
        schedule.push_back(whole.substr(0, whole.size() / 2)); // ends inside the second text
        schedule.push_back(whole);
        allowed.merge(CaptionsOf(memos));
    }
    WriteFileBytes(DataFile(kInfoFile), InfoFileBytes(rewrites.front())); // the same records each time
    const auto started = std::chrono::steady_clock::now();
    std::size_t written = 0;
    std::set<std::wstring> seen;
    const bool whole = WaitUntil(
        [&] {
            if (written < schedule.size() && std::chrono::steady_clock::now() >= started + written * 1s)
                WriteFileBytes(DataFile(kMemoFile), schedule[written++]);
            const std::set<std::wstring> shown = ShownCaptions(VisibleMemos());
            seen.insert(shown.begin(), shown.end());
            return written == schedule.size() && shown == CaptionsOf(rewrites.back());
        },
        schedule.size() * 1s + 2 * kTimerPeriod + kSlack);
    EXPECT_TRUE(whole);
    for (const std::wstring& caption : seen)
        EXPECT_EQ(allowed.count(caption), 1u) << "a half-written memo was shown";
    ExpectShown(rewrites.back());
    EXPECT_EQ(ReadFileBytes(DataFile(kMemoFile)), schedule.back());
}

} // namespace
} // namespace e2e
