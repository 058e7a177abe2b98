// save_bench: the cost of the program's save and restore in-process, for N memos.
//
// The memo state is plain data here (MemoFixture): the figures are those of the save and restore
// decisions and of writing and reading memo.txt and info.ini, without reading the texts and
// rectangles of N memo windows. Last, the most heap a restore holds while reading a memo.txt of
// about 50 MB (the most memos a start opens, each long), counted by HeapPeak.
//
//   save_bench [--runs R] [--budget-ms B] [N ...]
#include "BenchOptions.h"
#include "FigureTable.h"
#include "HeapPeak.h"
#include "Measure.h"
#include "MemoFixture.h"
#include "Stopwatch.h"

#include "store/DataFolder.h"
#include "store/FileStamps.h"
#include "store/MemoFiles.h"
#include "store/MemoRestore.h"
#include "store/MemoSave.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {
// The timer's save with nothing changed takes microseconds: each sample times this many saves.
constexpr int kUnchangedSavesPerSample = 2000;
constexpr double kMicrosecondsPerMs = 1000.0;
constexpr int kPixelsMoved = 1;

std::wstring BenchFolder(int memos)
{
    const std::wstring folder = PathInFolder(ExecutableFolder(), L"save-bench-" + std::to_wstring(memos));
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

// A desk of memos as plain data, built as the program builds its desk of memo windows; closing and
// opening windows costs nothing here.
MemoDesk PlainDataDesk(const MemoState& state)
{
    return {[&state] { return state; }, [](std::size_t) {}, [](const MemoWindowPlan&) {}, [] { return false; }};
}

void ExpectResult(const SaveOutcome& outcome, SaveOutcome::Result expected, const char* what)
{
    if (outcome.result != expected)
        std::printf("!! %s: the save did not end as expected (result %d)\n", what, static_cast<int>(outcome.result));
}

// The timer's save when nothing changed, per memo (for 0 memos: per save), with the look at the
// files that notices what another copy of the program wrote.
void MeasureUnchangedSave(int memos, const BenchOptions& options, const std::wstring& folder)
{
    const MemoState state = MakeMemos(memos);
    MemoSaver saver;
    saver.Remember(state);
    saver.watch.known = LookAtMemoFiles(folder);
    const MemoDesk desk = PlainDataDesk(state);
    const Samples samples = Measure(options.runs, options.budgetMs, [&] {
        const Stopwatch watch;
        for (int i = 0; i < kUnchangedSavesPerSample; ++i)
            ExpectResult(SaveAllMemosWith(desk, saver, folder), SaveOutcome::Result::Unchanged, "unchanged save");
        return watch.ElapsedMs() * kMicrosecondsPerMs / kUnchangedSavesPerSample / std::max(memos, 1);
    });
    FigureTable::PrintRow(memos > 0 ? "timer save, nothing changed, per memo" : "timer save, nothing changed", memos,
                          samples, "us");
}

// A save after one change, made by change() to the state before each run.
void MeasureChangedSave(const char* figure, int memos, const BenchOptions& options, const std::wstring& folder,
                        void (*change)(MemoState&, int run))
{
    MemoState state = MakeMemos(memos);
    MemoSaver saver;
    ExpectResult(SaveMemoState(state, saver, folder), SaveOutcome::Result::Written, "first save");
    const MemoDesk desk = PlainDataDesk(state);
    int run = 0;
    const Samples samples = Measure(options.runs, options.budgetMs, [&] {
        change(state, run++);
        const Stopwatch watch;
        ExpectResult(SaveAllMemosWith(desk, saver, folder), SaveOutcome::Result::Written, figure);
        return watch.ElapsedMs();
    });
    FigureTable::PrintRow(figure, memos, samples, "ms");
}

void ChangeFirstText(MemoState& state, int run)
{
    if (!state.texts.empty())
        state.texts[0] = "Changed " + std::to_string(run);
}

void MoveFirstMemo(MemoState& state, int run)
{
    if (!state.infos.empty())
        state.infos[0].Left += run % 2 == 0 ? kPixelsMoved : -kPixelsMoved;
}

void MeasureRestore(int memos, const BenchOptions& options, const std::wstring& folder)
{
    if (!WriteMemoFiles(MakeMemos(memos), folder).Ok())
        std::printf("!! restore: cannot write the memo files\n");
    std::size_t opened = 0;
    const Samples samples = MeasureTime(options.runs, options.budgetMs, [&] {
        MemoSaver saver;
        opened = RestoreAllMemosWith([](const MemoWindowPlan&) {}, saver, folder).windowsOpened;
    });
    if (opened != static_cast<std::size_t>(memos))
        std::printf("!! restore: %u memos planned, %d expected\n", static_cast<unsigned>(opened), memos);
    FigureTable::PrintRow("restore (read and plan, no windows)", memos, samples, "ms");
}

// A memo.txt of about this size, in memos as long as it takes for the most memo windows the
// program opens: reading it must not hold many copies of it at once.
constexpr std::size_t kLargeFileBytes = 50u << 20;
constexpr char kLargeMemoLine[] = "a line of a long memo, with a \\ backslash";

void MeasureLargeFileRead()
{
    const std::wstring folder = BenchFolder(static_cast<int>(kMostMemoWindows)) + L"-large";
    CreateDirectoryW(folder.c_str(), nullptr);
    MemoState memos = MakeMemos(static_cast<int>(kMostMemoWindows));
    const std::size_t lines = kLargeFileBytes / kMostMemoWindows / (sizeof kLargeMemoLine + 1);
    for (std::string& text : memos.texts)
        for (std::size_t line = 0; line < lines; ++line)
            text.append("\r\n").append(kLargeMemoLine);
    if (!WriteMemoFiles(memos, folder).Ok())
        std::printf("!! large memo.txt: cannot write the memo files\n");
    memos = {};
    const std::wstring path = PathInFolder(folder, kMemoFileName);
    WIN32_FILE_ATTRIBUTE_DATA file{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &file);
    const double fileBytes = static_cast<double>(file.nFileSizeLow);
    MemoSaver saver;
    HeapPeak::Restart();
    const std::size_t before = HeapPeak::HeldBytes();
    RestoreAllMemosWith([](const MemoWindowPlan&) {}, saver, folder);
    const double peak = static_cast<double>(HeapPeak::PeakBytes() - before);
    const double kept = static_cast<double>(HeapPeak::HeldBytes() - before);
    FigureTable::PrintValue("large memo.txt: file size", static_cast<int>(kMostMemoWindows), fileBytes / (1 << 20),
                            "MiB");
    FigureTable::PrintValue("large memo.txt: restore's heap peak / file size", static_cast<int>(kMostMemoWindows),
                            peak / fileBytes, "times");
    FigureTable::PrintValue("large memo.txt: heap kept by the saver / file size", static_cast<int>(kMostMemoWindows),
                            kept / fileBytes, "times");
    DeleteFileW(path.c_str());
    DeleteFileW(PathInFolder(folder, kInfoFileName).c_str());
    RemoveDirectoryW(folder.c_str());
}
}

int main(int argc, char** argv)
{
    const BenchOptions options = ParseBenchOptions(argc, argv);
    FigureTable::PrintHeading("Save and restore in-process, memos as plain data (save_bench)");
    for (int memos : options.memoCounts) {
        const std::wstring folder = BenchFolder(memos);
        MeasureUnchangedSave(memos, options, folder);
        if (memos > 0) {
            MeasureChangedSave("save after one text changed", memos, options, folder, ChangeFirstText);
            MeasureChangedSave("save after one memo moved", memos, options, folder, MoveFirstMemo);
        }
        MeasureRestore(memos, options, folder);
    }
    MeasureLargeFileRead();
    return 0;
}
