// memo_bench: the program's save and restore with real memo windows, in-process, for N memos.
//
// The restore is RestoreAllMemos over memo.txt and info.ini of N memos beside this program (once per
// count: windows are not taken back); its steps (making the windows, hidden, with their texts,
// places and colours; showing them; painting) are also timed one by one over all memos, to show
// where a start spends its time. The saves are SaveAllMemos over the N open windows:
// with nothing changed (the timer's), after one memo's text changed (SetMemoText, which saves) and
// after one memo moved.
//
//   memo_bench [--runs R] [--budget-ms B] [--no-heading] [--steps] [N ...]
#include "BenchOptions.h"
#include "FigureTable.h"
#include "Measure.h"
#include "MemoFixture.h"
#include "Stopwatch.h"
#include "Wait.h"

#include "MemoPersistence.h"
#include "TMemoWindow.h"
#include "TMemoWindows.h"
#include "store/DataFolder.h"
#include "store/DesktopClamp.h"
#include "store/MemoFiles.h"
#include "store/MemoSaver.h"
#include "store/PersistenceGuard.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
// The timer's save with nothing changed is short: each sample times this many saves.
constexpr int kUnchangedSavesPerSample = 200;
constexpr double kMicrosecondsPerMs = 1000.0;
constexpr int kPixelsMoved = 1;
// Measures only the steps of a restore. Every window a process has made slows the making of the
// next under Wine, so tools/bench runs each count, and the steps, in a process of their own.
constexpr char kStepsOption[] = "--steps";

std::vector<TMemoWindow*> OpenWindows()
{
    return std::vector<TMemoWindow*>(GetMemoWindows().begin(), GetMemoWindows().end());
}

// Closing a memo hides it and then destroys it, but destroying a thousand of them takes Wine minutes
// and hiding one that is shown takes Wine two seconds when no window manager answers (a virtual
// display). Between measurements the windows only leave the registry, so saves no longer see them.
void ForgetAllMemoWindows()
{
    for (TMemoWindow* window : OpenWindows())
        GetMemoWindows().Remove(*window);
    GetMemoSaver().Forget();
}

void WriteStoredMemos(int memos)
{
    if (!WriteMemoFiles(MakeMemos(memos)).Ok())
        std::printf("!! cannot write memo.txt and info.ini beside the benchmark\n");
}

// One restore per memo count: its windows stay for the saves measured next.
void MeasureRestore(int memos)
{
    Samples samples;
    const Stopwatch watch;
    RestoreAllMemos();
    PumpMessages();
    samples.Add(watch.ElapsedMs());
    FigureTable::PrintRow("restore: RestoreAllMemos and painting", memos, samples, "ms");
}

// The steps of opening the memo windows, each timed over all memos.
void MeasureRestoreSteps(int memos)
{
    const MemoState state = MakeMemos(memos);
    // As in the restore: no save runs meanwhile.
    const PersistenceGuard restoring;
    std::vector<TMemoWindow*> windows;
    Samples create, show, paint;
    Stopwatch watch;
    const DesktopLayout desktop = CurrentDesktopLayout();
    for (int i = 0; i < memos; ++i)
        windows.push_back(&TMemoWindow::CreateRestored(state.texts[i], state.infos[i], desktop));
    create.Add(watch.ElapsedMs());
    watch.Restart();
    ShowMemoWindowsInOrder(windows);
    show.Add(watch.ElapsedMs());
    watch.Restart();
    PumpMessages();
    paint.Add(watch.ElapsedMs());
    FigureTable::PrintRow("restore step: CreateRestored (text, place, colour)", memos, create, "ms");
    FigureTable::PrintRow("restore step: ShowMemoWindowsInOrder", memos, show, "ms");
    FigureTable::PrintRow("restore step: paint (pending messages)", memos, paint, "ms");
    ForgetAllMemoWindows();
}

// The saves over the memo windows that are open.
void MeasureSaves(int memos, const BenchOptions& options)
{
    const std::vector<TMemoWindow*> windows = OpenWindows();
    // The first save after a restore writes both files when the windows' order (by address) is
    // not the order of the files, or a memo was moved onto the desktop; the timer's saves after it
    // find nothing changed.
    Samples first;
    const Stopwatch firstWatch;
    SaveAllMemos();
    first.Add(firstWatch.ElapsedMs());
    FigureTable::PrintRow("first save after the restore", memos, first, "ms");
    const Samples unchanged = Measure(options.runs, options.budgetMs, [memos] {
        const Stopwatch watch;
        for (int i = 0; i < kUnchangedSavesPerSample; ++i)
            SaveAllMemos();
        return watch.ElapsedMs() * kMicrosecondsPerMs / kUnchangedSavesPerSample / std::max(memos, 1);
    });
    FigureTable::PrintRow(memos > 0 ? "timer save, nothing changed, per memo" : "timer save, nothing changed", memos,
                          unchanged, "us");
    if (!windows.empty()) {
        int run = 0;
        FigureTable::PrintRow("SetMemoText of one memo (with its save)", memos,
                              MeasureTime(options.runs, options.budgetMs,
                                          [&] { windows.front()->SetMemoText("Changed " + std::to_string(run++)); }),
                              "ms");
        const HWND moved = windows.front()->Handle();
        FigureTable::PrintRow("save after one memo moved", memos,
                              Measure(options.runs, options.budgetMs,
                                      [&] {
                                          RECT place;
                                          GetWindowRect(moved, &place);
                                          const int step = run++ % 2 == 0 ? kPixelsMoved : -kPixelsMoved;
                                          SetWindowPos(moved, nullptr, place.left + step, place.top, 0, 0,
                                                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                                          const Stopwatch watch;
                                          SaveAllMemos();
                                          return watch.ElapsedMs();
                                      }),
                              "ms");
    }
    ForgetAllMemoWindows();
}
}

int main(int argc, char** argv)
{
    const BenchOptions options = ParseBenchOptions(argc, argv);
    const bool stepsOnly = std::find(options.rest.begin(), options.rest.end(), kStepsOption) != options.rest.end();
    if (options.heading)
        FigureTable::PrintHeading("Save and restore with real memo windows, in-process (memo_bench)");
    for (int memos : options.memoCounts) {
        if (stepsOnly) {
            MeasureRestoreSteps(memos);
            continue;
        }
        WriteStoredMemos(memos);
        MeasureRestore(memos);
        MeasureSaves(memos, options);
    }
    DeleteFileW(PathInFolder(ExecutableFolder(), kMemoFileName).c_str());
    DeleteFileW(PathInFolder(ExecutableFolder(), kInfoFileName).c_str());
    return 0;
}
