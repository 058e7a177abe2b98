#include "store/DeletedMemos.h"
#include "store/MemoFiles.h"
#include "store/MemoRestore.h"
#include "store/MemoSave.h"
#include "store/MemoText.h"

#include "TemporaryFolder.h"

#include "base/ModuleFileName.h"
#include "base/UniqueHandle.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

// A child process saves one generation after another until it is killed; the files on the disk
// must always read back as one complete generation. Another child deletes the first memo of each
// generation after saving it: the deleted memo must always be in one of the two pairs.

namespace {
constexpr wchar_t kFolderVariable[] = L"KF_SAVE_LOOP_FOLDER";
constexpr char kFirstGenerationVariable[] = "KF_SAVE_LOOP_FIRST";
constexpr char kDeletingVariable[] = "KF_SAVE_LOOP_DELETES";
constexpr int kRounds = 12;
constexpr int kGenerationsPerRound = 1000000;
constexpr DWORD kLongestRunAfterFirstSaveMs = 300;
constexpr DWORD kPollMs = 10;
constexpr int kGenerationSizes = 4;

// Generation g has 1 to 4 memos, so a mix of two generations or a cut list shows.
MemoState Generation(int g)
{
    MemoState state;
    const int memos = 1 + g % kGenerationSizes;
    for (int j = 0; j < memos; ++j) {
        char text[64];
        std::snprintf(text, sizeof text, "g%d#%d\r\nline", g, j);
        state.Add(text, CWindowInfo(g, j, 100 + j, 30, g % kGenerationSizes));
    }
    return state;
}

// The generation of memo.txt, or -1 when it is not one complete generation.
int GenerationOfTexts(const std::vector<std::string>& texts)
{
    if (texts.empty())
        return -1;
    const int g = std::atoi(texts[0].c_str() + 1);
    return Generation(g).texts == texts ? g : -1;
}

int GenerationOfRecords(const InfoRecords& info)
{
    if (!info.Complete() || info.records.empty())
        return -1;
    const int g = info.records[0]->Left;
    MemoState expected = Generation(g);
    MemoState read{expected.texts, {}};
    for (const std::optional<CWindowInfo>& record : info.records)
        read.infos.push_back(*record);
    return read == expected ? g : -1;
}

// The child process; its handles are closed when it goes.
struct SavingChild {
    base::UniqueKernelHandle process;
    base::UniqueKernelHandle thread;
};

SavingChild StartSavingChild(const std::wstring& folder, int firstGeneration, bool deleting = false)
{
    SetEnvironmentVariableA(kDeletingVariable, deleting ? "1" : nullptr);
    std::wstring command = L"\"" + base::ModuleFileName(nullptr) +
                           L"\" --gtest_also_run_disabled_tests "
                           L"--gtest_filter=KilledWhileSaving.DISABLED_ChildSavesUntilKilled";
    SetEnvironmentVariableW(kFolderVariable, folder.c_str());
    SetEnvironmentVariableA(kFirstGenerationVariable, std::to_string(firstGeneration).c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &process);
    EXPECT_TRUE(started) << GetLastError();
    return {base::UniqueKernelHandle(process.hProcess), base::UniqueKernelHandle(process.hThread)};
}

// Polls until the child has replaced memo.txt at least once, so that every kill lands among saves.
bool WaitForFirstSave(const std::wstring& folder, const SavingChild& child, int generation,
                      const std::function<int(const std::vector<std::string>&)>& generationOf = GenerationOfTexts)
{
    while (WaitForSingleObject(child.process.Get(), 0) == WAIT_TIMEOUT) {
        const MemoFileContent read = ReadMemoFile(folder);
        if (generationOf(SplitMemoTexts(read.content)) >= generation)
            return true;
        Sleep(kPollMs);
    }
    return false;
}

void Kill(const SavingChild& child)
{
    TerminateProcess(child.process.Get(), 1);
    WaitForSingleObject(child.process.Get(), INFINITE);
}
}

TEST(KilledWhileSaving, DISABLED_ChildSavesUntilKilled)
{
    const wchar_t* folder = _wgetenv(kFolderVariable);
    const char* first = std::getenv(kFirstGenerationVariable);
    ASSERT_TRUE(folder && first);
    MemoSaver saver;
    const bool deleting = std::getenv(kDeletingVariable) != nullptr;
    for (int g = std::atoi(first);; ++g) {
        MemoState state = Generation(g);
        SaveMemoState(state, saver, folder);
        if (!deleting)
            continue;
        // As a memo window leaving the desktop by the user's hand does, then the next save.
        saver.deleted.Add(state.texts.front(), state.infos.front());
        state.texts.erase(state.texts.begin());
        state.infos.erase(state.infos.begin());
        SaveMemoState(state, saver, folder);
    }
}

// The generation named by memo.txt's first text, whole or with its first memo deleted; -1 when empty.
int GenerationNamed(const std::vector<std::string>& texts)
{
    return texts.empty() ? -1 : std::atoi(texts[0].c_str() + 1);
}

std::string FirstMemoOf(int g)
{
    return Generation(g).texts.front();
}

bool Holds(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(KilledWhileSaving, EveryDeletedMemoIsInOneOfThePairs)
{
    TemporaryFolder folder;
    std::mt19937 random(20261210);
    std::uniform_int_distribution<DWORD> runTime(0, kLongestRunAfterFirstSaveMs);
    for (int round = 1; round <= kRounds / 2; ++round) {
        const SavingChild child = StartSavingChild(folder.Path(), round * kGenerationsPerRound, true);
        const bool saving = WaitForFirstSave(folder.Path(), child, round * kGenerationsPerRound, GenerationNamed);
        Sleep(runTime(random));
        Kill(child);
        ASSERT_TRUE(saving) << "round " << round << ": the child ended without saving";

        FinishInterruptedSave(folder.Path());
        const StoredMemos main = ReadStoredMemos(folder.Path());
        const DeletedMemos deleted = ReadDeletedMemos(folder.Path());
        EXPECT_TRUE(deleted.whole) << "round " << round;
        EXPECT_LE(deleted.memos.texts.size(), 100u) << "round " << round;
        const int g = GenerationNamed(main.texts);
        if (g < 0) {
            // A generation of one memo, that memo deleted: it heads the deleted list.
            ASSERT_FALSE(deleted.memos.texts.empty()) << "round " << round;
            const int last = GenerationNamed(deleted.memos.texts);
            EXPECT_GE(last, round * kGenerationsPerRound) << "round " << round;
            EXPECT_EQ(deleted.memos.texts.front(), FirstMemoOf(last)) << "round " << round;
            EXPECT_EQ(Generation(last).texts.size(), 1u) << "round " << round;
            continue;
        }
        EXPECT_TRUE(Holds(main.texts, FirstMemoOf(g)) || Holds(deleted.memos.texts, FirstMemoOf(g)))
            << "round " << round << ": generation " << g << "'s deleted memo is in neither pair";
        if (g > round * kGenerationsPerRound) {
            EXPECT_TRUE(Holds(deleted.memos.texts, FirstMemoOf(g - 1)))
                << "round " << round << ": generation " << g - 1 << "'s deleted memo is not kept";
        }
    }
}

TEST(KilledWhileSaving, FilesAreAlwaysOneCompleteGenerationAndNoMemoIsLost)
{
    TemporaryFolder folder;
    std::mt19937 random(20261209);
    std::uniform_int_distribution<DWORD> runTime(0, kLongestRunAfterFirstSaveMs);
    int lastGeneration = -1;
    int interruptedBetweenMoves = 0;
    int savesSeen = 0;
    for (int round = 1; round <= kRounds; ++round) {
        const SavingChild child = StartSavingChild(folder.Path(), round * kGenerationsPerRound);
        const bool saving = WaitForFirstSave(folder.Path(), child, round * kGenerationsPerRound);
        Sleep(runTime(random));
        Kill(child);
        ASSERT_TRUE(saving) << "round " << round << ": the child ended without saving";

        const StoredMemos before = ReadStoredMemos(folder.Path());
        const int textGeneration = GenerationOfTexts(before.texts);
        ASSERT_GE(textGeneration, 0) << "round " << round << ": memo.txt is not one generation";
        ASSERT_GE(textGeneration, round * kGenerationsPerRound) << "round " << round;
        const int recordGeneration = GenerationOfRecords(before.info);
        // Each file on its own is whole; between the two moves info.ini may be one behind.
        if (recordGeneration != textGeneration) {
            ++interruptedBetweenMoves;
            EXPECT_TRUE(recordGeneration >= 0 || lastGeneration < 0)
                << "round " << round << ": info.ini is not one generation";
            EXPECT_LT(recordGeneration, textGeneration) << "round " << round;
        }

        FinishInterruptedSave(folder.Path());
        const StoredMemos after = ReadStoredMemos(folder.Path());
        EXPECT_EQ(GenerationOfTexts(after.texts), textGeneration) << "round " << round;
        EXPECT_EQ(GenerationOfRecords(after.info), textGeneration) << "round " << round;
        // The first run finds no files to keep as the day's pair; every later one keeps it.
        EXPECT_EQ(folder.Listing(), round == 1 ? "info.ini memo.txt" : "backup info.ini memo.txt") << "round " << round;
        savesSeen += textGeneration - round * kGenerationsPerRound + 1;
        lastGeneration = textGeneration;
    }
    std::printf("killed %d times after %d complete saves; %d times between the two moves\n", kRounds, savesSeen,
                interruptedBetweenMoves);
}
