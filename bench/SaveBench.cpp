// save_bench: the cost of the program's save and restore in-process, for N memos.
//
// The memo state is plain data here (MemoFixture): the figures are those of the save and restore
// decisions and of writing and reading memo.txt and info.ini, without reading the texts and
// rectangles of N memo windows.
//
//   save_bench [--runs R] [--budget-ms B] [N ...]
#include "BenchOptions.h"
#include "FigureTable.h"
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

namespace
{
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
    const MemoDesk desk{[&] { return state; }, [](std::size_t) {}, [](const MemoWindowPlan&) {}};
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
    int run = 0;
    const Samples samples = Measure(options.runs, options.budgetMs, [&] {
        change(state, run++);
        const Stopwatch watch;
        ExpectResult(SaveAllMemosWith([&] { return state; }, saver, folder), SaveOutcome::Result::Written, figure);
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
    return 0;
}
