#include "store/ConflictFiles.h"
#include "store/DailyPairs.h"
#include "store/DeletedMemos.h"
#include "store/DesktopClamp.h"
#include "store/FileStamps.h"
#include "store/MemoRestore.h"
#include "store/MemoSave.h"
#include "store/PersistenceGuard.h"

#include "ExpectedColours.h"
#include "HeldFile.h"
#include "ShiftJisSamples.h"
#include "StorePrinters.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <thread>

using Result = SaveOutcome::Result;
using namespace std::string_literals;
using Texts = std::vector<std::string>;

namespace {
const CWindowInfo kFirst(10, 20, 120, 40, kGreen);
const CWindowInfo kSecond(300, 400, 200, 60, kBlue);
const CWindowInfo kThird(700, 100, 90, 30, kRed);

// Stands in for the memo windows: what the restore opened, in the registry's order.
struct FakeDesktop {
    Texts texts;
    std::vector<CWindowInfo> infos;
    DesktopLayout layout{RECT{0, 0, 1280, 1024}, {RECT{0, 0, 1280, 1024}}};

    // What a new memo window does with a plan: the text's size (here: fixed), the stored
    // rectangle clamped onto the desktop, or the default place and colour.
    void Open(const MemoWindowPlan& plan)
    {
        CWindowInfo info;
        info.Width = 100;
        info.Height = 30;
        if (plan.record) {
            info = *plan.record;
            const RECT window{info.Left, info.Top, info.Left + info.Width, info.Top + info.Height};
            const POINT placed = ClampWindowPosition(window, layout);
            info.Left = placed.x;
            info.Top = placed.y;
        }
        texts.push_back(plan.text);
        infos.push_back(info);
    }

    std::function<void(const MemoWindowPlan&)> Opener()
    {
        return [this](const MemoWindowPlan& plan) { Open(plan); };
    }

    // What closing a memo window does: it leaves the registry.
    void Close(std::size_t position)
    {
        texts.erase(texts.begin() + static_cast<std::ptrdiff_t>(position));
        infos.erase(infos.begin() + static_cast<std::ptrdiff_t>(position));
        ++closed;
    }

    // A desk that can take in what another copy wrote; counts the windows closed and opened.
    MemoDesk Desk()
    {
        return {[this] { return Collect(); }, [this](std::size_t position) { Close(position); },
                [this](const MemoWindowPlan& plan) {
                    Open(plan);
                    ++opened;
                },
                [this] { return dialogOpen; }};
    }

    int closed = 0;
    int opened = 0;
    // An edit dialog or a menu of a memo is open.
    bool dialogOpen = false;

    MemoState Collect() const { return {texts, infos}; }
};

// Saves state into an empty folder through a fresh saver, as the previous run would have.
void SaveAsPreviousRun(const TemporaryFolder& folder, const MemoState& state)
{
    MemoSaver previous;
    ASSERT_EQ(SaveMemoState(state, previous, folder.Path()).result, Result::Written);
}

// A run that starts where the previous one saved `previous`: its memos restored onto `desktop`.
struct RunAfter {
    explicit RunAfter(const MemoState& previous)
    {
        SaveAsPreviousRun(folder, previous);
        RestoreAllMemosWith(desktop.Opener(), saver, folder.Path());
    }

    TemporaryFolder folder;
    FakeDesktop desktop;
    MemoSaver saver;
};

std::string Record(int index, const CWindowInfo& info)
{
    const std::string prefix = "info#" + std::to_string(index) + "#";
    return prefix + "Color#INT=" + std::to_string(info.Color) + "\r\n" + prefix +
           "Left#INT=" + std::to_string(info.Left) + "\r\n" + prefix + "Top#INT=" + std::to_string(info.Top) + "\r\n" +
           prefix + "Width#INT=" + std::to_string(info.Width) + "\r\n" + prefix +
           "Height#INT=" + std::to_string(info.Height) + "\r\n";
}
}

// Saves into a fresh folder through one saver, as one run of the program does.
class SavingMemos : public testing::Test {
protected:
    SaveOutcome Save(const MemoState& state) { return SaveMemoState(state, saver, folder.Path()); }
    // The first save of the run, before whatever the case is about.
    void SaveTheOldMemo() { ASSERT_EQ(Save({{"old"}, {kFirst}}).result, Result::Written); }

    TemporaryFolder folder;
    MemoSaver saver;
};

TEST_F(SavingMemos, NothingEverThereCreatesNoFile)
{
    FakeDesktop desktop;
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Unchanged);
    EXPECT_EQ(folder.Listing(), "");
}

TEST_F(SavingMemos, ChangedStateWritesBothFilesAndIsRemembered)
{
    const MemoState state{{"one", "two\r\nlines"}, {kFirst, kSecond}};
    EXPECT_EQ(Save(state).result, Result::Written);
    EXPECT_EQ(folder.Read("memo.txt"), "one\r\ntwo\\nlines\r\n");
    EXPECT_EQ(folder.Read("info.ini"), "[ROOT]\r\ninfo#size#UINT=2\r\n" + Record(0, kFirst) + Record(1, kSecond));
    EXPECT_EQ(saver.State(), state);
    EXPECT_EQ(folder.Listing(), "info.ini memo.txt");
}

TEST_F(SavingMemos, UnchangedStateTouchesNoFile)
{
    const MemoState state{{"one"}, {kFirst}};
    ASSERT_EQ(Save(state).result, Result::Written);
    DeleteFileW(folder.File("memo.txt").c_str());
    DeleteFileW(folder.File("info.ini").c_str());
    EXPECT_EQ(Save(state).result, Result::Unchanged);
    EXPECT_EQ(folder.Listing(), "");
}

TEST_F(SavingMemos, EveryFieldAndEveryByteCounts)
{
    const MemoState base{{"Memo"}, {kFirst}};
    std::vector<MemoState> changed(7, base);
    changed[0].texts[0] = "memo";
    changed[1].texts.push_back("");
    changed[2].infos[0].Left += 1;
    changed[3].infos[0].Top += 1;
    changed[4].infos[0].Width += 1;
    changed[5].infos[0].Height += 1;
    changed[6].infos[0].Color += 1;
    for (const MemoState& state : changed) {
        TemporaryFolder folder;
        MemoSaver saver;
        saver.Remember(base);
        EXPECT_EQ(SaveMemoState(state, saver, folder.Path()).result, Result::Written);
        EXPECT_EQ(saver.State(), state);
    }
}

TEST_F(SavingMemos, DeletingTheLastMemoLeavesAnEmptyPair)
{
    ASSERT_EQ(Save({{"last"}, {kFirst}}).result, Result::Written);
    EXPECT_EQ(Save({}).result, Result::Written);
    EXPECT_EQ(folder.Read("memo.txt"), "");
    EXPECT_EQ(folder.Read("info.ini"), "[ROOT]\r\ninfo#size#UINT=0\r\n");
}

TEST_F(SavingMemos, TenMemosCountInHexAndFewerLaterLeaveNoOldKeys)
{
    MemoState ten;
    for (int i = 0; i < 10; ++i) {
        ten.texts.push_back("memo " + std::to_string(i));
        ten.infos.push_back(CWindowInfo(i, -i, 100 + i, 30, kYellow));
    }
    ASSERT_EQ(Save(ten).result, Result::Written);
    const std::string info = folder.Read("info.ini");
    EXPECT_EQ(info.find("[ROOT]\r\ninfo#size#UINT=a\r\ninfo#0#Color#INT="), 0u);
    EXPECT_NE(info.find(Record(9, ten.infos[9])), std::string::npos);
    EXPECT_EQ(info.substr(info.size() - Record(9, ten.infos[9]).size()), Record(9, ten.infos[9]));

    ASSERT_EQ(Save({{"only"}, {kThird}}).result, Result::Written);
    EXPECT_EQ(folder.Read("info.ini"), "[ROOT]\r\ninfo#size#UINT=1\r\n" + Record(0, kThird));
}

TEST_F(SavingMemos, HeldMemoTxtIsReportedAndRetriedByTheNextSave)
{
    ASSERT_NO_FATAL_FAILURE(SaveTheOldMemo());
    const MemoState newer{{"new"}, {kSecond}};
    {
        HeldFile held(folder.File("memo.txt"));
        ASSERT_TRUE(held.Holding());
        const SaveOutcome outcome = Save(newer);
        EXPECT_EQ(outcome.result, Result::Failed);
        EXPECT_EQ(outcome.failure.Path(), folder.File("memo.txt"));
        EXPECT_EQ(saver.State(), (MemoState{{"old"}, {kFirst}}));
    }
    EXPECT_EQ(folder.Read("memo.txt"), "old\r\n");
    EXPECT_EQ(folder.Read("info.ini"), "[ROOT]\r\ninfo#size#UINT=1\r\n" + Record(0, kFirst));
    EXPECT_EQ(folder.Listing(), "info.ini memo.txt");

    EXPECT_EQ(Save(newer).result, Result::Written);
    EXPECT_EQ(folder.Read("memo.txt"), "new\r\n");
    EXPECT_EQ(saver.State(), newer);
}

// The last save of a run has no later one to leave a held file to: it waits for a holder that lets
// go within about a second.
TEST_F(SavingMemos, MemoTxtReleasedWhileTheLastSaveRetriesIsWritten)
{
    ASSERT_NO_FATAL_FAILURE(SaveTheOldMemo());
    HeldFile held(folder.File("memo.txt"));
    ASSERT_TRUE(held.Holding());
    std::thread releaser([&] {
        Sleep(50);
        held.Release();
    });
    FakeDesktop desktop;
    desktop.texts = {"new"};
    desktop.infos = {kSecond};
    const SaveOutcome outcome = SaveAllMemosWith(desktop.Desk(), saver, folder.Path(), SaveMoment::Last);
    releaser.join();
    EXPECT_EQ(outcome.result, Result::Written);
    EXPECT_EQ(folder.Read("memo.txt"), "new\r\n");
}

// memo.txt is replaced first: while info.ini is held, the completed temporary info.ini is the only
// record of the new memo's place, and no later save may lose it before its own memo.txt is in place.
TEST_F(SavingMemos, HeldInfoIniIsReportedAndCompletedAtTheNextStart)
{
    ASSERT_NO_FATAL_FAILURE(SaveTheOldMemo());
    {
        HeldFile held(folder.File("info.ini"));
        ASSERT_TRUE(held.Holding());
        const SaveOutcome outcome = Save({{"new"}, {kSecond}});
        EXPECT_EQ(outcome.result, Result::Failed);
        EXPECT_EQ(outcome.failure.Path(), folder.File("info.ini"));
        EXPECT_EQ(saver.State(), (MemoState{{"old"}, {kFirst}}));

        // The next save fails after writing its own temporary info.ini: memo.txt is held as well.
        HeldFile memoHeld(folder.File("memo.txt"));
        ASSERT_TRUE(memoHeld.Holding());
        EXPECT_EQ(Save({{"newer"}, {kThird}}).result, Result::Failed);
        EXPECT_EQ(folder.Listing(), "info.ini info.ini.tmp memo.txt");
    }
    FakeDesktop desktop;
    MemoSaver nextRun;
    RestoreAllMemosWith(desktop.Opener(), nextRun, folder.Path());
    EXPECT_EQ(desktop.Collect(), (MemoState{{"new"}, {kSecond}}));
    EXPECT_EQ(folder.Listing(), "info.ini memo.txt");
}

TEST_F(SavingMemos, BusyFlagMakesASaveReturnAtOnce)
{
    FakeDesktop desktop;
    desktop.texts = {"a"};
    desktop.infos = {kFirst};
    PersistenceGuard outer;
    ASSERT_TRUE(outer.Acquired());
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Busy);
    EXPECT_TRUE(PersistenceGuard::Busy());
    EXPECT_EQ(folder.Listing(), "");
}

TEST(RestoringMemos, NoFilesNoWindowsAndNothingToSave)
{
    TemporaryFolder folder;
    MemoSaver saver;
    FakeDesktop desktop;
    const RestoreOutcome outcome = RestoreAllMemosWith(desktop.Opener(), saver, folder.Path());
    EXPECT_TRUE(outcome.ran);
    EXPECT_TRUE(outcome.Complete());
    EXPECT_EQ(outcome.windowsOpened, 0u);
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Unchanged);
    EXPECT_EQ(folder.Listing(), "");
}

TEST(RestoringMemos, RestartWithNothingChangedBringsBackTheSameMemos)
{
    TemporaryFolder folder;
    const MemoState state{{"one", "two\r\nlines", "C:\\new"}, {kFirst, kSecond, kThird}};
    SaveAsPreviousRun(folder, state);

    FakeDesktop desktop;
    MemoSaver saver;
    EXPECT_EQ(RestoreAllMemosWith(desktop.Opener(), saver, folder.Path()).windowsOpened, 3u);
    EXPECT_EQ(desktop.Collect(), state);
    EXPECT_EQ(saver.State(), state);
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Unchanged);
}

TEST(RestoringMemos, ChangedOrderIsSavedAndRestoredPairwise)
{
    RunAfter run({{"one", "two"}, {kFirst, kSecond}});
    auto& [folder, desktop, saver] = run;
    std::swap(desktop.texts[0], desktop.texts[1]);
    std::swap(desktop.infos[0], desktop.infos[1]);
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Written);

    FakeDesktop nextRun;
    MemoSaver nextSaver;
    RestoreAllMemosWith(nextRun.Opener(), nextSaver, folder.Path());
    EXPECT_EQ(nextRun.Collect(), (MemoState{{"two", "one"}, {kSecond, kFirst}}));
}

TEST(RestoringMemos, MoreTextsThanRecordsGiveDefaultPlaces)
{
    TemporaryFolder folder;
    SaveAsPreviousRun(folder, {{"one", "two"}, {kFirst, kSecond}});
    folder.Write("memo.txt", "one\r\ntwo\r\nthree\r\n");
    const std::vector<MemoWindowPlan> plans = PlanMemoWindows(ReadStoredMemos(folder.Path()));
    ASSERT_EQ(plans.size(), 3u);
    EXPECT_EQ(plans[0].record, kFirst);
    EXPECT_EQ(plans[1].record, kSecond);
    EXPECT_EQ(plans[2].text, "three");
    EXPECT_FALSE(plans[2].record.has_value());
}

TEST(RestoringMemos, EmptyTextUsesUpItsRecordAndLeftoverRecordsAreIgnored)
{
    TemporaryFolder folder;
    SaveAsPreviousRun(folder, {{"a", "", "b", "gone"}, {kFirst, kSecond, kThird, kFirst}});
    folder.Write("memo.txt", "a\r\n\r\nb\r\n");

    FakeDesktop desktop;
    MemoSaver saver;
    RestoreAllMemosWith(desktop.Opener(), saver, folder.Path());
    EXPECT_EQ(desktop.Collect(), (MemoState{{"a", "b"}, {kFirst, kThird}}));
    // The saver holds what was read; the windows differ, so the first save makes the pair agree.
    EXPECT_EQ(saver.State(), (MemoState{{"a", "", "b"}, {kFirst, kSecond, kThird, kFirst}}));
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Written);
    EXPECT_EQ(folder.Read("memo.txt"), "a\r\nb\r\n");
    EXPECT_EQ(folder.Read("info.ini"), "[ROOT]\r\ninfo#size#UINT=2\r\n" + Record(0, kFirst) + Record(1, kThird));
}

TEST(RestoringMemos, OffScreenMemoIsBroughtBackAndItsNewPlaceSaved)
{
    RunAfter run({{"away"}, {CWindowInfo(-40, -10, 120, 40, kGreen)}});
    auto& [folder, desktop, saver] = run;
    EXPECT_EQ(desktop.infos, std::vector<CWindowInfo>{CWindowInfo(0, 0, 120, 40, kGreen)});
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Written);
    EXPECT_EQ(folder.Read("info.ini"),
              "[ROOT]\r\ninfo#size#UINT=1\r\n" + Record(0, CWindowInfo(0, 0, 120, 40, kGreen)));
}

TEST(RestoringMemos, TextsSetDuringTheRestoreWriteNothing)
{
    TemporaryFolder folder;
    SaveAsPreviousRun(folder, {{"one", "two"}, {kFirst, kSecond}});
    const std::string memoBefore = folder.Read("memo.txt");
    const std::string infoBefore = folder.Read("info.ini");

    FakeDesktop desktop;
    MemoSaver saver;
    std::vector<Result> nestedSaves;
    RestoreAllMemosWith(
        [&](const MemoWindowPlan& plan) {
            desktop.Open(plan);
            // As SetMemoText does: a save with a half-restored state.
            nestedSaves.push_back(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result);
        },
        saver, folder.Path());
    EXPECT_EQ(nestedSaves, (std::vector<Result>{Result::Busy, Result::Busy}));
    EXPECT_EQ(folder.Read("memo.txt"), memoBefore);
    EXPECT_EQ(folder.Read("info.ini"), infoBefore);
    EXPECT_FALSE(PersistenceGuard::Busy());
    EXPECT_EQ(saver.State(), (MemoState{{"one", "two"}, {kFirst, kSecond}}));
}

TEST(RestoringMemos, LeftoverTemporaryFilesAreRemovedAtStart)
{
    TemporaryFolder folder;
    SaveAsPreviousRun(folder, {{"one"}, {kFirst}});
    folder.Write("memo.txt.tmp", "half");
    folder.Write("info.ini.tmp", "[ROOT]\r\ninfo#si");
    FakeDesktop desktop;
    MemoSaver saver;
    RestoreAllMemosWith(desktop.Opener(), saver, folder.Path());
    EXPECT_EQ(folder.Listing(), "info.ini memo.txt");
    EXPECT_EQ(desktop.Collect(), (MemoState{{"one"}, {kFirst}}));
}

// A damaged or missing info.ini costs no memo: every text opens; the records that were read
// completely are used.
class DamagedInfoFile : public testing::Test {
protected:
    void SetUp() override { SaveAsPreviousRun(folder, {{"one", "two", "three"}, {kFirst, kSecond, kThird}}); }

    // Restores, checks that all three memos opened, and returns their records.
    std::vector<CWindowInfo> RestoredInfos()
    {
        const RestoreOutcome outcome = RestoreAllMemosWith(desktop.Opener(), saver, folder.Path());
        EXPECT_TRUE(outcome.Complete());
        EXPECT_EQ(desktop.texts, (Texts{"one", "two", "three"}));
        return desktop.infos;
    }

    // After the restore the first save writes a pair that reads back as the windows are.
    void ExpectFirstSaveRepairs()
    {
        EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Written);
        EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Unchanged);
        FakeDesktop nextRun;
        MemoSaver nextSaver;
        RestoreAllMemosWith(nextRun.Opener(), nextSaver, folder.Path());
        EXPECT_EQ(nextRun.Collect(), desktop.Collect());
    }

    void ReplaceInInfo(const std::string& from, const std::string& to)
    {
        std::string info = folder.Read("info.ini");
        const std::size_t at = info.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        folder.Write("info.ini", info.replace(at, from.size(), to));
    }

    TemporaryFolder folder;
    FakeDesktop desktop;
    MemoSaver saver;
    const CWindowInfo defaultPlace{390, 125, 100, 30, kYellow};
};

TEST_F(DamagedInfoFile, MissingFileOpensEveryMemoAtTheDefaultPlace)
{
    DeleteFileW(folder.File("info.ini").c_str());
    EXPECT_EQ(RestoredInfos(), (std::vector<CWindowInfo>(3, defaultPlace)));
    ExpectFirstSaveRepairs();
}

TEST_F(DamagedInfoFile, MissingCountOpensEveryMemoAtTheDefaultPlace)
{
    ReplaceInInfo("info#size#UINT=3\r\n", "");
    EXPECT_EQ(RestoredInfos(), (std::vector<CWindowInfo>(3, defaultPlace)));
    ExpectFirstSaveRepairs();
}

TEST_F(DamagedInfoFile, TruncatedFileKeepsTheRecordsBeforeTheCut)
{
    const std::string info = folder.Read("info.ini");
    folder.Write("info.ini", info.substr(0, info.find("info#1#Width")));
    EXPECT_EQ(RestoredInfos(), (std::vector<CWindowInfo>{kFirst, defaultPlace, defaultPlace}));
    ExpectFirstSaveRepairs();
}

TEST_F(DamagedInfoFile, RecordWithoutTopOpensAtTheDefaultPlace)
{
    ReplaceInInfo("info#1#Top#INT=400\r\n", "");
    EXPECT_EQ(RestoredInfos(), (std::vector<CWindowInfo>{kFirst, defaultPlace, kThird}));
    EXPECT_EQ(saver.State(), (MemoState{{"one", "two", "three"}, {kFirst, kThird}}));
    ExpectFirstSaveRepairs();
}

TEST_F(DamagedInfoFile, EmptyGeometryValueOpensAtTheDefaultPlace)
{
    ReplaceInInfo("info#2#Height#INT=30\r\n", "info#2#Height#INT=\r\n");
    EXPECT_EQ(RestoredInfos(), (std::vector<CWindowInfo>{kFirst, kSecond, defaultPlace}));
    ExpectFirstSaveRepairs();
}

TEST_F(DamagedInfoFile, AbsurdCountCostsNothing)
{
    ReplaceInInfo("info#size#UINT=3", "info#size#UINT=ffffffff");
    EXPECT_EQ(RestoredInfos(), (std::vector<CWindowInfo>{kFirst, kSecond, kThird}));
    ExpectFirstSaveRepairs();
}

TEST_F(DamagedInfoFile, RecordsWithoutColorKeepTheirPlacesInYellow)
{
    for (const char* index : {"0", "1", "2"}) {
        const std::string key = std::string("info#") + index + "#Color#INT=";
        std::string info = folder.Read("info.ini");
        const std::size_t at = info.find(key);
        ASSERT_NE(at, std::string::npos);
        folder.Write("info.ini", info.erase(at, info.find("\r\n", at) + 2 - at));
    }
    std::vector<CWindowInfo> yellow{kFirst, kSecond, kThird};
    for (CWindowInfo& info : yellow)
        info.Color = kYellow;
    EXPECT_EQ(RestoredInfos(), yellow);
}

class UnreadableMemoFile : public testing::Test {
protected:
    void SetUp() override { SaveAsPreviousRun(folder, {{"precious"}, {kFirst}}); }

    // A restore while this file of the folder is held: the file is reported, the restore is not
    // complete and it opened this many windows.
    void RestoreWhileHeld(const char* name, std::size_t windowsOpened)
    {
        HeldFile held(folder.File(name));
        ASSERT_TRUE(held.Holding());
        const RestoreOutcome outcome = RestoreAllMemosWith(desktop.Opener(), saver, folder.Path());
        EXPECT_FALSE(outcome.Complete());
        EXPECT_EQ(outcome.fileFailure.Path(), folder.File(name));
        EXPECT_EQ(outcome.windowsOpened, windowsOpened);
    }

    // What the next run of the program restores from the folder, completely.
    MemoState RestoredByTheNextRun()
    {
        FakeDesktop nextRun;
        MemoSaver nextSaver;
        EXPECT_TRUE(RestoreAllMemosWith(nextRun.Opener(), nextSaver, folder.Path()).Complete());
        return nextRun.Collect();
    }

    TemporaryFolder folder;
    FakeDesktop desktop;
    MemoSaver saver;
};

TEST_F(UnreadableMemoFile, IsReportedAndNoSaveOfThisRunReplacesTheFiles)
{
    ASSERT_NO_FATAL_FAILURE(RestoreWhileHeld("memo.txt", 0));
    // The user makes a new memo after the file was released: still no save in this run.
    desktop.texts = {"new"};
    desktop.infos = {kSecond};
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Forbidden);
    EXPECT_EQ(folder.Read("memo.txt"), "precious\r\n");
    EXPECT_EQ(RestoredByTheNextRun(), (MemoState{{"precious"}, {kFirst}}));
}

// A held info.ini is not a missing one: read as missing, every memo would open at the default place
// and the next save would overwrite the stored places and colours.
TEST_F(UnreadableMemoFile, HeldInfoIniIsReportedTheTextsStillOpenAndNoSaveReplacesTheFiles)
{
    ASSERT_NO_FATAL_FAILURE(RestoreWhileHeld("info.ini", 1));
    EXPECT_EQ(desktop.texts, Texts{"precious"});
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Forbidden);
    EXPECT_EQ(RestoredByTheNextRun(), (MemoState{{"precious"}, {kFirst}}));
}

// Only "no such file" means no memos: a folder that cannot be reached says nothing about the memos
// in it (a path the program cannot spell is one).
TEST_F(UnreadableMemoFile, FolderThatCannotBeReachedIsReportedAndNothingIsSaved)
{
    const std::wstring unreachable = folder.File("not there");
    const RestoreOutcome outcome = RestoreAllMemosWith(desktop.Opener(), saver, unreachable);
    EXPECT_FALSE(outcome.Complete());
    EXPECT_EQ(outcome.fileFailure.Path(), unreachable + L"\\memo.txt");
    desktop.texts = {"new"};
    desktop.infos = {kSecond};
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, unreachable).result, Result::Forbidden);
}

TEST_F(UnreadableMemoFile, WindowThatCannotOpenAlsoStopsSavingButNotTheOtherWindows)
{
    SaveAsPreviousRun(folder, {{"breaks", "fine"}, {kFirst, kSecond}});
    const RestoreOutcome outcome = RestoreAllMemosWith(
        [&](const MemoWindowPlan& plan) {
            if (plan.text == "breaks")
                throw std::runtime_error("no window today");
            desktop.Open(plan);
        },
        saver, folder.Path());
    EXPECT_EQ(outcome.openFailure, "no window today");
    EXPECT_EQ(outcome.windowsOpened, 1u);
    EXPECT_EQ(desktop.texts, Texts{"fine"});
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Forbidden);
    EXPECT_EQ(folder.Read("memo.txt"), "breaks\r\nfine\r\n");
}

// Another copy of the program (another PC on a synced folder) rewrites the files while this one runs.

TEST(OtherCopy, FilesAreReadOnlyOnceTheyStayedPutForOneLook)
{
    const MemoFileStamps read{{true, 10, 100}, {true, 50, 100}};
    const MemoFileStamps half{{true, 5, 200}, {true, 50, 100}};
    const MemoFileStamps whole{{true, 12, 300}, {true, 60, 300}};
    MemoFileWatch watch{read, std::nullopt};
    EXPECT_EQ(JudgeMemoFiles(read, watch), OutsideChange::None);
    EXPECT_EQ(JudgeMemoFiles(half, watch), OutsideChange::Settling);
    EXPECT_EQ(JudgeMemoFiles(whole, watch), OutsideChange::Settling);
    EXPECT_EQ(JudgeMemoFiles(whole, watch), OutsideChange::Settled);
    EXPECT_EQ(JudgeMemoFiles(whole, watch), OutsideChange::Settled);
    EXPECT_EQ(JudgeMemoFiles(read, watch), OutsideChange::None);
    EXPECT_EQ(JudgeMemoFiles(whole, watch), OutsideChange::Settling); // moved again since the last look

    MemoFileWatch nothingRead;
    EXPECT_EQ(JudgeMemoFiles(whole, nothingRead), OutsideChange::None);
    EXPECT_EQ(JudgeMemoFiles(whole, nothingRead), OutsideChange::None);
}

TEST(OtherCopy, UnchangedMemosKeepTheirWindows)
{
    const MemoState onScreen{{"a", "b", "a", "c"}, {kFirst, kSecond, kFirst, kThird}};
    const std::vector<MemoWindowPlan> plans{
        {"a", kFirst}, {"b", kThird}, {"c", kThird}, {"new", kFirst}, {"a", std::nullopt}};
    // The first "a" and "c" stay; "b" moved, the second "a" is gone, a plan without record opens anew.
    EXPECT_EQ(MatchWindowsToPlans(onScreen, plans), (WindowChanges{{1, 2}, {1, 3, 4}}));
    EXPECT_TRUE(SameMemosInAnyOrder({{"x", "y"}, {kFirst, kSecond}}, {{"y", "x"}, {kSecond, kFirst}}));
    EXPECT_FALSE(SameMemosInAnyOrder({{"x", "y"}, {kFirst, kSecond}}, {{"y", "x"}, {kFirst, kSecond}}));
    EXPECT_FALSE(SameMemosInAnyOrder({{"x", "x"}, {kFirst, kFirst}}, {{"x"}, {kFirst}}));
}

TEST(OtherCopy, RewrittenFilesAreTakenInAfterOneLookAndNothingIsWritten)
{
    RunAfter run({{"one", "two", "three"}, {kFirst, kSecond, kThird}});
    auto& [folder, desktop, saver] = run;
    // The registry's order differs from the file's, as it may after a start: no change of its own.
    std::swap(desktop.texts[0], desktop.texts[2]);
    std::swap(desktop.infos[0], desktop.infos[2]);

    // The other copy changed "two", deleted "three" and added "four".
    const CWindowInfo moved(5, 6, 70, 80, kRed);
    SaveAsPreviousRun(folder, {{"one", "two changed", "four"}, {kFirst, kSecond, moved}});
    const std::string memoBytes = folder.Read("memo.txt");
    const std::string infoBytes = folder.Read("info.ini");
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Waiting);
    EXPECT_EQ(desktop.Collect().texts, (Texts{"three", "two", "one"}));
    EXPECT_EQ(folder.Read("memo.txt"), memoBytes);

    const SaveOutcome taken = SaveAllMemosWith(desktop.Desk(), saver, folder.Path());
    EXPECT_EQ(taken.result, Result::TakenIn);
    EXPECT_TRUE(taken.takenIn.Complete());
    EXPECT_TRUE(SameMemosInAnyOrder(desktop.Collect(), {{"one", "two changed", "four"}, {kFirst, kSecond, moved}}));
    EXPECT_EQ(desktop.closed, 2);
    EXPECT_EQ(desktop.opened, 2);
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Unchanged);
    EXPECT_EQ(folder.Read("memo.txt"), memoBytes);
    EXPECT_EQ(folder.Read("info.ini"), infoBytes);
    EXPECT_EQ(folder.Listing(), "backup info.ini memo.txt");

    // Its own next change is written as usual, and not taken for one from outside.
    desktop.infos[0].Left += 1;
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Written);
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Unchanged);
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Unchanged);
    EXPECT_EQ(desktop.opened, 2);
}

TEST(OtherCopy, ChangesOnBothSidesKeepTheOtherPairInConflictFiles)
{
    RunAfter run({{"one", "two"}, {kFirst, kSecond}});
    auto& [folder, desktop, saver] = run;

    SaveAsPreviousRun(folder, {{"one", "two", "theirs"}, {kFirst, kSecond, kThird}});
    const std::string theirMemo = folder.Read("memo.txt");
    const std::string theirInfo = folder.Read("info.ini");
    desktop.texts[1] = "mine";
    // The other pair has just moved: this copy's change waits for the next look.
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Waiting);
    EXPECT_EQ(folder.Read("memo.txt"), theirMemo);

    const SaveOutcome saved = SaveAllMemosWith(desktop.Desk(), saver, folder.Path());
    EXPECT_EQ(saved.result, Result::Written);
    ASSERT_TRUE(saved.conflict.has_value());
    EXPECT_EQ(folder.Read("memo.txt"), "one\r\nmine\r\n");
    const std::wstring prefix = folder.Path().wstring() + L"\\";
    ASSERT_EQ(saved.conflict->memo.substr(0, prefix.size()), prefix);
    const std::string memoName(saved.conflict->memo.begin() + prefix.size(), saved.conflict->memo.end());
    const std::string infoName(saved.conflict->info.begin() + prefix.size(), saved.conflict->info.end());
    EXPECT_EQ(folder.Read(memoName), theirMemo);
    EXPECT_EQ(folder.Read(infoName), theirInfo);
    EXPECT_EQ(desktop.closed + desktop.opened, 0);
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Unchanged);

    // The last save of a run cannot wait: it keeps a pair that has just moved at once, under a new name.
    SaveAsPreviousRun(folder, {{"again"}, {kFirst}});
    desktop.texts[0] = "mine too";
    const SaveOutcome last = SaveAllMemosWith(desktop.Desk(), saver, folder.Path(), SaveMoment::Last);
    EXPECT_EQ(last.result, Result::Written);
    ASSERT_TRUE(last.conflict.has_value());
    EXPECT_NE(last.conflict->memo, saved.conflict->memo);
    EXPECT_EQ(folder.Read(memoName), theirMemo);
    EXPECT_EQ(folder.Read("memo.txt"), "mine too\r\nmine\r\n");

    // Nor does it take in what only the other copy changed: it leaves the files and the windows.
    SaveAsPreviousRun(folder, {{"only theirs"}, {kFirst}});
    const std::string onlyTheirs = folder.Read("memo.txt");
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path(), SaveMoment::Last).result, Result::Unchanged);
    EXPECT_EQ(folder.Read("memo.txt"), onlyTheirs);
    EXPECT_EQ(desktop.closed + desktop.opened, 0);
}

// The user types into a memo's edit dialog while the other copy's pair arrives: the pair waits for
// the dialog, so that the memo the dialog belongs to is still there when OK is pressed.
TEST(OtherCopy, ATakeInWaitsWhileADialogOfAMemoIsOpen)
{
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        RunAfter run({{"one", "two"}, {kFirst, kSecond}});
        auto& [folder, desktop, saver] = run;
        desktop.dialogOpen = true;
        const MemoState theirs{{"one", "two theirs", "three"}, {kFirst, kSecond, kThird}};
        SaveAsPreviousRun(folder, theirs);
        const std::string theirMemo = folder.Read("memo.txt");
        const std::string theirInfo = folder.Read("info.ini");
        // The first look sees the pair moving, the later ones see it at rest; none takes it in.
        for (int look = 0; look < 3; ++look)
            EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Unchanged);
        EXPECT_EQ(desktop.closed + desktop.opened, 0);
        EXPECT_EQ(desktop.Collect(), (MemoState{{"one", "two"}, {kFirst, kSecond}}));
        EXPECT_EQ(folder.Read("memo.txt"), theirMemo);

        if (ok) {
            // OK sets the typed text while the dialog is still open: a change on both sides.
            desktop.texts[1] = "two typed";
            const SaveOutcome saved = SaveAllMemosWith(desktop.Desk(), saver, folder.Path());
            EXPECT_EQ(saved.result, Result::Written);
            ASSERT_TRUE(saved.conflict.has_value());
            EXPECT_EQ(folder.Read("memo.txt"), "one\r\ntwo typed\r\n");
            EXPECT_EQ(folder.Read(std::filesystem::path(saved.conflict->memo).filename().string()), theirMemo);
            EXPECT_EQ(folder.Read(std::filesystem::path(saved.conflict->info).filename().string()), theirInfo);
            desktop.dialogOpen = false;
            EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Unchanged);
            EXPECT_EQ(desktop.closed + desktop.opened, 0);
        } else {
            // Cancel changed nothing here: the next save takes the pair in.
            desktop.dialogOpen = false;
            EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::TakenIn);
            EXPECT_TRUE(SameMemosInAnyOrder(desktop.Collect(), theirs));
            EXPECT_EQ(folder.Read("memo.txt"), theirMemo);
            EXPECT_EQ(folder.Listing(), "backup info.ini memo.txt");
        }
    }
}

TEST(OtherCopy, SameMemosWrittenElsewhereAreNoConflict)
{
    RunAfter run({{"one"}, {kFirst}});
    auto& [folder, desktop, saver] = run;
    // A lone line break is written as CR LF and read back so.
    desktop.texts[0] = "lone\nbreak";
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Written);
    // Another copy saved the same memos again: a new time of last write, the same bytes.
    Sleep(20);
    folder.Write("memo.txt", folder.Read("memo.txt"));
    desktop.texts[0] = "mine";
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Waiting);
    const SaveOutcome saved = SaveAllMemosWith(desktop.Desk(), saver, folder.Path());
    EXPECT_EQ(saved.result, Result::Written);
    EXPECT_FALSE(saved.conflict.has_value());
    EXPECT_EQ(folder.Listing(), "backup info.ini memo.txt");
}

TEST(OtherCopy, ConflictNamesSayWhenAndAreNeverReplaced)
{
    const SYSTEMTIME time{2026, 3, 1, 9, 7, 5, 4, 0};
    EXPECT_EQ(ConflictNamesAt(time),
              (ConflictNames{L"memo.conflict-20260309-070504.txt", L"info.conflict-20260309-070504.ini"}));
    EXPECT_EQ(ConflictNamesAt(time, 2).memo, L"memo.conflict-20260309-070504-2.txt");

    TemporaryFolder folder;
    EXPECT_TRUE(KeepConflictFiles({"m1", "i1"}, time, folder.Path()).result.Ok());
    folder.Write("info.conflict-20260309-070504-2.ini", "taken");
    const KeptConflict second = KeepConflictFiles({"m2", "i2"}, time, folder.Path());
    EXPECT_TRUE(second.result.Ok());
    EXPECT_EQ(second.paths.memo, folder.File("memo.conflict-20260309-070504-3.txt"));
    EXPECT_EQ(folder.Read("memo.conflict-20260309-070504.txt"), "m1");
    EXPECT_EQ(folder.Read("info.conflict-20260309-070504-2.ini"), "taken");
    EXPECT_EQ(folder.Read("info.conflict-20260309-070504-3.ini"), "i2");
}

// memo.txt saved by another editor (Notepad saves UTF-8) over the pair of the previous run, which
// had two memos: info.ini still describes them.
class ForeignMemoFile : public testing::Test {
protected:
    RestoreOutcome RestoreFrom(const std::string& memoFile)
    {
        SaveAsPreviousRun(folder, {{"one", "two"}, {kFirst, kSecond}});
        folder.Write("memo.txt", memoFile);
        return RestoreAllMemosWith(desktop.Opener(), saver, folder.Path());
    }

    // The name of a kept original in the folder, as memo.<kind>-YYYYMMDD-HHMMSS.txt; empty when the
    // path is not one.
    std::string KeptName(const std::optional<KeptOriginal>& kept, const std::string& kind) const
    {
        const std::wstring prefix = folder.Path().wstring() + L"\\";
        if (!kept || kept->path.substr(0, prefix.size()) != prefix)
            return {};
        const std::string name(kept->path.begin() + static_cast<std::ptrdiff_t>(prefix.size()), kept->path.end());
        const std::string start = "memo." + kind + "-";
        const std::string stamp = name.substr(std::min(start.size(), name.size()));
        const bool wellFormed = name.substr(0, start.size()) == start && stamp.size() == 19 &&
                                stamp.substr(15) == ".txt" && stamp[8] == '-' &&
                                std::all_of(stamp.begin(), stamp.begin() + 15, [](char c) {
                                    return c == '-' || std::isdigit(static_cast<unsigned char>(c));
                                });
        return wellFormed ? name : std::string();
    }

    // The memos are saved at once, in the program's own form.
    void ExpectSavedInTheUsualForm()
    {
        EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Written);
        EXPECT_EQ(folder.Read("memo.txt"), kJapaneseMemoFile);
        EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Unchanged);
    }

    TemporaryFolder folder;
    FakeDesktop desktop;
    MemoSaver saver;
};

TEST_F(ForeignMemoFile, Utf8WithoutMarkIsKeptAsItWasFirstThenShownAndSavedInTheCodePage)
{
    const RestoreOutcome outcome = RestoreFrom(kJapaneseMemoFileInUtf8);
    EXPECT_TRUE(outcome.Complete());
    EXPECT_EQ(desktop.Collect(), (MemoState{kJapaneseMemos, {kFirst, kSecond}}));
    ASSERT_TRUE(outcome.keptOriginal.has_value());
    EXPECT_EQ(outcome.keptOriginal->encoding, MemoFileEncoding::Utf8Guessed);
    EXPECT_TRUE(outcome.keptOriginal->lost.empty());
    const std::string kept = KeptName(outcome.keptOriginal, "utf8");
    ASSERT_NE(kept, "") << testing::PrintToString(outcome.keptOriginal->path);
    EXPECT_EQ(folder.Read(kept), kJapaneseMemoFileInUtf8);

    ExpectSavedInTheUsualForm();
    EXPECT_EQ(folder.Listing(), "backup info.ini memo.txt " + kept); // the first change of the day kept the pair
    EXPECT_EQ(folder.Read(kept), kJapaneseMemoFileInUtf8) << "never replaced";

    // The next start reads the usual form: nothing to keep, nothing to tell.
    FakeDesktop nextRun;
    MemoSaver nextSaver;
    EXPECT_FALSE(RestoreAllMemosWith(nextRun.Opener(), nextSaver, folder.Path()).keptOriginal.has_value());
    EXPECT_EQ(nextRun.Collect(), desktop.Collect());
}

TEST_F(ForeignMemoFile, MarkedFileIsShownInTheCodePageAndKeptOnlyWhenCharactersAreLost)
{
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "UTF-16 BE" : "UTF-16 LE");
        TemporaryFolder other;
        SaveAsPreviousRun(other, {{"one", "two"}, {kFirst, kSecond}});
        other.Write("memo.txt", Utf16File(kJapaneseMemoFileText, bigEndian));
        FakeDesktop shown;
        MemoSaver fresh;
        const RestoreOutcome outcome = RestoreAllMemosWith(shown.Opener(), fresh, other.Path());
        EXPECT_FALSE(outcome.keptOriginal.has_value());
        EXPECT_EQ(shown.texts, kJapaneseMemos);
        EXPECT_EQ(SaveAllMemosWith(shown.Desk(), fresh, other.Path()).result, Result::Written);
        EXPECT_EQ(other.Read("memo.txt"), kJapaneseMemoFile);
        EXPECT_EQ(other.Listing(), "backup info.ini memo.txt");
    }

    // An emoji the code page lacks: the file is kept before it becomes two question marks.
    const std::string withEmoji = kUtf8Mark + "\xF0\x9F\x99\x82 " + kJapaneseMemoFileInUtf8;
    const RestoreOutcome outcome = RestoreFrom(withEmoji);
    EXPECT_TRUE(outcome.Complete());
    EXPECT_EQ(desktop.texts, (Texts{"?? " + kJapaneseMemos[0], kJapaneseMemos[1]}));
    ASSERT_TRUE(outcome.keptOriginal.has_value());
    EXPECT_EQ(outcome.keptOriginal->encoding, MemoFileEncoding::Utf8Marked);
    EXPECT_EQ(outcome.keptOriginal->lost, std::vector<char32_t>{0x1F642});
    const std::string kept = KeptName(outcome.keptOriginal, "utf8");
    ASSERT_NE(kept, "");
    EXPECT_EQ(folder.Read(kept), withEmoji);
}

TEST_F(ForeignMemoFile, Utf16WithCharactersTheCodePageLacksIsKeptUnderItsOwnName)
{
    const std::string file = Utf16File(L"caf\xE9\r\n" + kJapaneseMemoFileText, false);
    const RestoreOutcome outcome = RestoreFrom(file);
    EXPECT_EQ(desktop.texts[0], "caf?");
    ASSERT_TRUE(outcome.keptOriginal.has_value());
    EXPECT_EQ(outcome.keptOriginal->lost, std::vector<char32_t>{0xE9});
    const std::string kept = KeptName(outcome.keptOriginal, "utf16");
    ASSERT_NE(kept, "");
    EXPECT_EQ(folder.Read(kept), file);
}

// While the program runs, the user saves memo.txt in Notepad, which writes UTF-8.
TEST_F(ForeignMemoFile, FileSavedByAnotherEditorWhileRunningIsKeptBeforeItIsTakenIn)
{
    RestoreFrom("one\r\ntwo\r\n");
    ASSERT_EQ(desktop.texts, (Texts{"one", "two"}));
    folder.Write("memo.txt", kJapaneseMemoFileInUtf8);
    EXPECT_EQ(SaveAllMemosWith(desktop.Desk(), saver, folder.Path()).result, Result::Unchanged); // one look first
    const SaveOutcome taken = SaveAllMemosWith(desktop.Desk(), saver, folder.Path());
    ASSERT_EQ(taken.result, Result::TakenIn);
    EXPECT_TRUE(taken.takenIn.Complete());
    EXPECT_TRUE(SameMemosInAnyOrder(desktop.Collect(), {kJapaneseMemos, {kFirst, kSecond}}));
    const std::string kept = KeptName(taken.takenIn.keptOriginal, "utf8");
    ASSERT_NE(kept, "");
    EXPECT_EQ(folder.Read(kept), kJapaneseMemoFileInUtf8);
    ExpectSavedInTheUsualForm();
}

// ---- deleted memos ------------------------------------------------------------------------------

namespace {
SYSTEMTIME Day(WORD year, WORD month, WORD day)
{
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = 8;
    return time;
}

std::string InfoBytes(const std::vector<CWindowInfo>& infos)
{
    std::string bytes = "[ROOT]\r\ninfo#size#UINT=" + std::to_string(infos.size()) + "\r\n";
    for (std::size_t i = 0; i < infos.size(); ++i)
        bytes += Record(static_cast<int>(i), infos[i]);
    return bytes;
}
}

TEST_F(SavingMemos, DeletedMemosGoInFrontOfTheDeletedPairInTheSaveThatDropsThem)
{
    ASSERT_EQ(Save({{"one", "two\r\nlines", "three"}, {kFirst, kSecond, kThird}}).result, Result::Written);
    saver.deleted.Add("two\r\nlines", kSecond);
    EXPECT_EQ(Save({{"one", "three"}, {kFirst, kThird}}).result, Result::Written);
    EXPECT_EQ(folder.Read("memo.deleted.txt"), "two\\nlines\r\n");
    EXPECT_EQ(folder.Read("info.deleted.ini"), InfoBytes({kSecond}));
    EXPECT_EQ(folder.Read("memo.txt"), "one\r\nthree\r\n");

    // Two deleted between saves: the later one first.
    saver.deleted.Add("one", kFirst);
    saver.deleted.Add("three", kThird);
    EXPECT_EQ(Save({}).result, Result::Written);
    EXPECT_EQ(folder.Read("memo.deleted.txt"), "three\r\none\r\ntwo\\nlines\r\n");
    EXPECT_EQ(folder.Read("info.deleted.ini"), InfoBytes({kThird, kFirst, kSecond}));
    EXPECT_TRUE(saver.deleted.texts.empty());
    EXPECT_EQ(folder.Listing(), "info.deleted.ini info.ini memo.deleted.txt memo.txt");
}

TEST_F(SavingMemos, TheNewest100DeletedMemosAreKept)
{
    std::string texts;
    std::vector<CWindowInfo> infos;
    for (int i = 0; i < 100; ++i) {
        texts += "d" + std::to_string(i) + "\r\n";
        infos.emplace_back(i, i, 50, 30, kBlue);
    }
    folder.Write({{"memo.deleted.txt", texts}, {"info.deleted.ini", InfoBytes(infos)}});
    ASSERT_TRUE(AddDeletedMemos({{"new"}, {kFirst}}, Day(2026, 12, 10), folder.Path()).Ok());
    std::string expected = "new\r\n";
    for (int i = 0; i < 99; ++i)
        expected += "d" + std::to_string(i) + "\r\n";
    EXPECT_EQ(folder.Read("memo.deleted.txt"), expected);
    const DeletedMemos read = ReadDeletedMemos(folder.Path());
    EXPECT_TRUE(read.whole);
    ASSERT_EQ(read.memos.infos.size(), 100u);
    EXPECT_EQ(read.memos.infos[0], kFirst);
    EXPECT_EQ(read.memos.infos[99], CWindowInfo(98, 98, 50, 30, kBlue));
}

TEST_F(SavingMemos, AnUnreadableDeletedPairIsKeptAsideAndWhatCouldBeReadWrittenAfresh)
{
    // Three texts, one record: damaged.
    const std::string damagedInfo = InfoBytes({kSecond});
    folder.Write({{"memo.deleted.txt", "a\r\nb\r\n\0c\r\n"s}, {"info.deleted.ini", damagedInfo}});
    SYSTEMTIME time = Day(2026, 12, 10);
    time.wMinute = 5;
    ASSERT_TRUE(AddDeletedMemos({{"new"}, {kFirst}}, time, folder.Path()).Ok());
    EXPECT_EQ(folder.Read("memo.deleted-unreadable-20261210-080500.txt"), "a\r\nb\r\n\0c\r\n"s);
    EXPECT_EQ(folder.Read("info.deleted-unreadable-20261210-080500.ini"), damagedInfo);
    EXPECT_EQ(folder.Read("memo.deleted.txt"), "new\r\na\r\nb\r\nc\r\n");
    const DeletedMemos read = ReadDeletedMemos(folder.Path());
    EXPECT_TRUE(read.whole);
    ASSERT_EQ(read.memos.infos.size(), 4u);
    EXPECT_EQ(read.memos.infos[0], kFirst);
    EXPECT_EQ(read.memos.infos[1], kSecond);
    EXPECT_EQ(read.memos.infos[2], CWindowInfo()); // no record: a new memo's place and colour

    // Taking one back off the list: the first equal entry only.
    ASSERT_TRUE(AddDeletedMemos({{"b"}, {kSecond}}, time, folder.Path()).Ok());
    ASSERT_TRUE(RemoveDeletedMemo("b", kSecond, time, folder.Path()).Ok());
    EXPECT_EQ(folder.Read("memo.deleted.txt"), "new\r\na\r\nb\r\nc\r\n");
    EXPECT_TRUE(RemoveDeletedMemo("absent", kSecond, time, folder.Path()).Ok());
    EXPECT_EQ(folder.Read("memo.deleted.txt"), "new\r\na\r\nb\r\nc\r\n");
    // The kept-aside pair was never replaced: the fresh one could be read whole.
    EXPECT_FALSE(folder.Exists("memo.deleted-unreadable-20261210-080500-2.txt"));
}

// ---- a pair kept each day -----------------------------------------------------------------------

TEST_F(SavingMemos, TheFirstChangeOfADayKeepsThePairAsItStoodAndLaterSavesLeaveIt)
{
    ASSERT_EQ(SaveMemoState({{"first"}, {kFirst}}, saver, folder.Path(), Day(2026, 12, 1)).result, Result::Written);
    EXPECT_FALSE(folder.Exists("backup")); // nothing stood before
    const std::string memoBefore = folder.Read("memo.txt");
    const std::string infoBefore = folder.Read("info.ini");
    MemoSaver nextRun; // a new run of the same day, which finds the pair as the previous run left it
    ASSERT_EQ(SaveMemoState({{"second"}, {kSecond}}, nextRun, folder.Path(), Day(2026, 12, 2)).result, Result::Written);
    EXPECT_EQ(folder.Read("backup\\memo-20261202.txt"), "first\r\n");
    EXPECT_EQ(folder.Read("backup\\info-20261202.ini"), InfoBytes({kFirst}));
    EXPECT_EQ(folder.Read("backup\\memo-20261202.txt"), memoBefore);
    EXPECT_EQ(folder.Read("backup\\info-20261202.ini"), infoBefore);
    // Later the same day, also by another run: the day's pair stays.
    ASSERT_EQ(SaveMemoState({{"third"}, {kThird}}, nextRun, folder.Path(), Day(2026, 12, 2)).result, Result::Written);
    MemoSaver thirdRun;
    ASSERT_EQ(SaveMemoState({{"fourth"}, {kFirst}}, thirdRun, folder.Path(), Day(2026, 12, 2)).result, Result::Written);
    EXPECT_EQ(folder.Read("backup\\memo-20261202.txt"), "first\r\n");

    // Seven more days: the eighth removes the oldest.
    for (WORD day = 3; day <= 9; ++day)
        ASSERT_EQ(SaveMemoState({{"day " + std::to_string(day)}, {kFirst}}, nextRun, folder.Path(), Day(2026, 12, day))
                      .result,
                  Result::Written);
    EXPECT_FALSE(folder.Exists("backup\\memo-20261202.txt"));
    EXPECT_FALSE(folder.Exists("backup\\info-20261202.ini"));
    EXPECT_EQ(folder.Read("backup\\memo-20261203.txt"), "fourth\r\n");
    EXPECT_EQ(folder.Read("backup\\memo-20261209.txt"), "day 8\r\n");
    EXPECT_EQ(NamesOfOldDays({L"memo-20261209.txt", L"memo-20261201.txt", L"info-20261201.ini", L"notes.txt",
                              L"memo-20261202.txt", L"memo-20261203.txt", L"memo-20261204.txt", L"memo-20261205.txt",
                              L"memo-20261206.txt", L"memo-20261207.txt"}),
              (std::vector<std::wstring>{L"memo-20261201.txt", L"info-20261201.ini"}));
}

TEST_F(SavingMemos, ABackupFolderThatCannotBeWrittenNeitherFailsTheSaveNorStopsTheNextTry)
{
    SaveTheOldMemo();
    folder.Write("backup", "a file where the folder would be");
    EXPECT_EQ(SaveMemoState({{"new"}, {kFirst}}, saver, folder.Path(), Day(2026, 12, 3)).result, Result::Written);
    EXPECT_EQ(folder.Read("memo.txt"), "new\r\n");
    ASSERT_TRUE(DeleteFileW(folder.File("backup").c_str()));
    EXPECT_EQ(SaveMemoState({{"newer"}, {kFirst}}, saver, folder.Path(), Day(2026, 12, 3)).result, Result::Written);
    EXPECT_EQ(folder.Read("backup\\memo-20261203.txt"), "new\r\n");
}

TEST_F(SavingMemos, ADeletedListThatCannotBeReadAtAllIsNotReplacedAndTheMemoStaysInMemoTxt)
{
    ASSERT_EQ(Save({{"one", "two"}, {kFirst, kSecond}}).result, Result::Written);
    ASSERT_TRUE(CreateDirectoryW(folder.File("memo.deleted.txt").c_str(), nullptr));
    saver.deleted.Add("two", kSecond);
    const SaveOutcome outcome = Save({{"one"}, {kFirst}});
    EXPECT_EQ(outcome.result, Result::Failed);
    EXPECT_EQ(folder.Read("memo.txt"), "one\r\ntwo\r\n");
    EXPECT_EQ(saver.deleted, (MemoState{{"two"}, {kSecond}})) << "still pending for the next save";
    EXPECT_EQ(folder.Listing(), "info.ini memo.deleted.txt memo.txt");
}
