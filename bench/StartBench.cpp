// start_bench: what starting Kamifuda with N memos costs, measured from outside as a user would
// see it. For each N and run: a fresh folder with a copy of kamifuda.exe and memo.txt and info.ini
// for N memos; the time from CreateProcess until all N memo windows are visible and the tray icon
// is added; then the process's memory and GDI and USER objects. The same for the smallest program
// with a window gives the part of every start that is Wine's own, and the same program with N
// memo-like framed pop-ups Wine's floor for N memos: each start of Kamifuda is printed as a multiple
// of the floor for as many windows, the two started in turn run by run.
//
//   start_bench --program <kamifuda.exe> [--runs R] [--budget-ms B] [N ...]
#include "BenchOptions.h"
#include "FigureTable.h"
#include "IdleWindow.h"
#include "InstanceWindows.h"
#include "Measure.h"
#include "ProcessFigures.h"
#include "StagedMemoFiles.h"
#include "Stopwatch.h"
#include "VisibleWindowCounter.h"
#include "base/ModuleFileName.h"

#include "ChildProcess.h"
#include "TemporaryFolder.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace {
constexpr DWORD kPollIntervalMs = 10;
constexpr double kStartTimeoutMs = 60000;
// Time given after the start for the program to settle before its memory is read.
constexpr DWORD kSettleMs = 500;
constexpr double kBytesPerKiB = 1024.0;
constexpr char kProgramOption[] = "--program";
// Runs before the measured ones, not counted: the first start after a pause finds Wine's files and
// services cold, which a user's desktop has warm.
constexpr int kWarmUpRuns = 1;

// The figures of one run; start is empty when the program did not get there in time.
struct RunFigures {
    std::optional<double> startMs;
    // Kamifuda only: when its main window existed, before the tray icon and the memos.
    std::optional<double> mainWindowMs;
    ProcessFigures process;
};

// Polls until ready(elapsed ms) holds; the time since the watch started, or none after the timeout.
std::optional<double> TimeUntil(const Stopwatch& watch, const std::function<bool(double)>& ready)
{
    for (double elapsed = watch.ElapsedMs(); elapsed < kStartTimeoutMs; elapsed = watch.ElapsedMs()) {
        if (ready(elapsed))
            return watch.ElapsedMs();
        Sleep(kPollIntervalMs);
    }
    return std::nullopt;
}

// Starts program in folder, waits until ready, reads the figures of the process and ends it after
// beforeEnd.
RunFigures MeasureRun(
    const std::filesystem::path& program, const std::filesystem::path& folder,
    const std::function<bool(DWORD processId, double elapsedMs)>& ready, const std::function<void()>& beforeEnd = [] {})
{
    RunFigures figures;
    const Stopwatch watch;
    e2e::ChildProcess process(program, folder);
    figures.startMs = TimeUntil(watch, [&](double elapsedMs) { return ready(process.Id(), elapsedMs); });
    Sleep(kSettleMs);
    figures.process = QueryProcessFigures(process.Id());
    beforeEnd();
    return figures; // the process ends with its owner
}

// The samples of every figure over the runs of one memo count.
struct FigureSamples {
    Samples startMs;
    Samples mainWindowMs;
    Samples workingSetKiB;
    Samples peakWorkingSetKiB;
    Samples privateKiB;
    Samples gdiObjects;
    Samples userObjects;
    Samples windows;
    int timeouts = 0;

    void Add(const RunFigures& run)
    {
        if (run.startMs)
            startMs.Add(*run.startMs);
        else
            ++timeouts;
        AddIf(mainWindowMs, run.mainWindowMs, 1);
        AddIf(workingSetKiB, run.process.workingSetBytes, 1 / kBytesPerKiB);
        AddIf(peakWorkingSetKiB, run.process.peakWorkingSetBytes, 1 / kBytesPerKiB);
        AddIf(privateKiB, run.process.privateBytes, 1 / kBytesPerKiB);
        AddIf(gdiObjects, run.process.gdiObjects, 1);
        AddIf(userObjects, run.process.userObjects, 1);
        windows.Add(run.process.windows);
    }

    template <typename T>
    static void AddIf(Samples& samples, const std::optional<T>& value, double scale)
    {
        if (value)
            samples.Add(static_cast<double>(*value) * scale);
    }
};

void PrintIfMeasured(const std::string& figure, int memos, const Samples& samples, const std::string& unit)
{
    if (samples.Empty())
        FigureTable::PrintNote(figure + ": not reported by the platform");
    else
        FigureTable::PrintRow(figure, memos, samples, unit);
}

void PrintFigures(const std::string& subject, int memos, const FigureSamples& figures, const std::string& readyText)
{
    if (figures.timeouts > 0)
        FigureTable::PrintNote(subject + ": " + std::to_string(figures.timeouts) + " run(s) did not reach \"" +
                               readyText + "\" within the time-out");
    if (!figures.mainWindowMs.Empty())
        FigureTable::PrintRow(subject + ": start until main window", memos, figures.mainWindowMs, "ms");
    PrintIfMeasured(subject + ": start until " + readyText, memos, figures.startMs, "ms");
    PrintIfMeasured(subject + ": working set", memos, figures.workingSetKiB, "KiB");
    PrintIfMeasured(subject + ": peak working set", memos, figures.peakWorkingSetKiB, "KiB");
    PrintIfMeasured(subject + ": private bytes", memos, figures.privateKiB, "KiB");
    PrintIfMeasured(subject + ": GDI objects", memos, figures.gdiObjects, "count");
    PrintIfMeasured(subject + ": USER objects", memos, figures.userObjects, "count");
    PrintIfMeasured(subject + ": windows (top-level and child)", memos, figures.windows, "count");
}

// One start of Wine's share: this program in its idle mode with `windows` memo-like windows, until
// they are all visible.
RunFigures WineStartRun(int windows)
{
    SetEnvironmentVariableA(kIdleWindowsVariable, std::to_string(windows).c_str());
    const TemporaryFolder folder;
    const std::filesystem::path copy = folder.Path() / kIdleProgramName;
    std::filesystem::copy_file(base::ModuleFileName(nullptr), copy);
    std::optional<VisibleWindowCounter> shown;
    return MeasureRun(copy, folder.Path(), [&shown, windows](DWORD processId, double) {
        if (!shown)
            shown.emplace(processId, kIdleWindowClass);
        return shown->Count() == windows;
    });
}

void PrintWineStart(int windows, const FigureSamples& figures)
{
    PrintFigures("plain program, " + std::to_string(windows) + " memo-like window(s)", windows, figures,
                 "windows shown");
}

// One start of Kamifuda with the staged memo files; none when they cannot be copied.
std::optional<RunFigures> KamifudaStartRun(const std::filesystem::path& program, const StagedMemoFiles& staged,
                                           int memos)
{
    const TemporaryFolder folder;
    const std::filesystem::path copy = folder.Path() / program.filename();
    std::filesystem::copy_file(program, copy);
    if (!staged.CopyInto(folder.Path().wstring())) {
        FigureTable::PrintNote("cannot copy the memo files into " + folder.Path().string());
        return std::nullopt;
    }
    std::optional<InstanceWindows> windows;
    std::optional<double> mainWindowMs;
    RunFigures measured = MeasureRun(
        copy, folder.Path(),
        [&](DWORD processId, double elapsedMs) {
            if (!windows)
                windows.emplace(processId);
            if (!mainWindowMs && windows->MainWindowExists())
                mainWindowMs = elapsedMs;
            return windows->TrayIconAdded() && (memos == 0 || windows->VisibleMemoWindows() == memos);
        },
        [&] {
            // Under Wine the start of the next program waits about two seconds for the shell to
            // give up the icon of a process that ended without removing it; the program's exit
            // command removes it, the forced end here does not.
            if (windows)
                windows->RemoveTrayIcon();
        });
    measured.mainWindowMs = mainWindowMs;
    return measured;
}

struct StartSamples {
    FigureSamples kamifuda;
    FigureSamples floor; // the plain program with as many windows (one for no memos)
};

// Kamifuda's start with `memos` memos and Wine's floor for as many windows, run by run in turn, so
// that both meet the same load of the machine.
StartSamples MeasureStarts(const std::filesystem::path& program, int memos, const BenchOptions& options)
{
    StartSamples samples;
    const StagedMemoFiles staged(memos);
    const int windows = std::max(memos, 1);
    bool kamifudaEnded = false;
    for (int run = -kWarmUpRuns; run < options.runs; ++run) {
        const RunFigures floor = WineStartRun(windows);
        if (run >= 0)
            samples.floor.Add(floor);
        if (kamifudaEnded)
            continue;
        const std::optional<RunFigures> measured = KamifudaStartRun(program, staged, memos);
        if (measured && run >= 0)
            samples.kamifuda.Add(*measured);
        // A start that never gets there will not get there the next time either.
        kamifudaEnded = !measured || !measured->startMs;
    }
    PrintFigures("kamifuda", memos, samples.kamifuda, "memos shown + tray icon");
    PrintWineStart(windows, samples.floor);
    return samples;
}

// Each median start of Kamifuda over the median start of the plain program with as many windows
// in the same runs (with one window for no memos: Wine's start alone).
void PrintRatioToFloor(const std::map<int, double>& kamifudaMs, const std::map<int, double>& floorMs)
{
    for (const auto& [memos, ms] : kamifudaMs) {
        const auto floor = floorMs.find(std::max(memos, 1));
        if (floor != floorMs.end() && floor->second > 0)
            FigureTable::PrintValue("kamifuda: start as a multiple of Wine's floor", memos, ms / floor->second,
                                    "times");
    }
}

// How much a figure grows per memo, from its medians at 0 memos and at each other count.
void PrintGrowthPerMemo(const std::string& figure, const std::map<int, double>& medianKiB)
{
    const auto none = medianKiB.find(0);
    if (none == medianKiB.end())
        return;
    for (const auto& [memos, kib] : medianKiB) {
        if (memos > 0)
            FigureTable::PrintValue("kamifuda: " + figure + " growth per memo", memos, (kib - none->second) / memos,
                                    "KiB");
    }
}

std::optional<std::filesystem::path> ProgramOption(const BenchOptions& options)
{
    const auto option = std::find(options.rest.begin(), options.rest.end(), kProgramOption);
    if (option == options.rest.end() || option + 1 == options.rest.end())
        return std::nullopt;
    return std::filesystem::absolute(*(option + 1));
}

bool StartedAsIdleWindow()
{
    return std::filesystem::path(base::ModuleFileName(nullptr)).filename() == kIdleProgramName;
}
}

int main(int argc, char** argv)
{
    if (StartedAsIdleWindow())
        return RunIdleWindows();
    const BenchOptions options = ParseBenchOptions(argc, argv);
    const std::optional<std::filesystem::path> program = ProgramOption(options);
    if (!program) {
        std::fprintf(stderr, "usage: start_bench %s <kamifuda.exe> [--runs R] [N ...]\n", kProgramOption);
        return 2;
    }
    FigureTable::PrintHeading("Start-up and memory, measured from outside (start_bench)");
    FigureTable::PrintValue("size of kamifuda.exe", 0,
                            static_cast<double>(std::filesystem::file_size(*program)) / kBytesPerKiB, "KiB");
    std::map<int, double> medianFloorMs;
    std::map<int, double> medianStartMs;
    std::map<int, double> medianPeakKiB;
    std::map<int, double> medianPrivateKiB;
    for (int memos : options.memoCounts) {
        const StartSamples starts = MeasureStarts(*program, memos, options);
        const FigureSamples& figures = starts.kamifuda;
        if (!figures.startMs.Empty())
            medianStartMs[memos] = figures.startMs.Median();
        if (!starts.floor.startMs.Empty())
            medianFloorMs[std::max(memos, 1)] = starts.floor.startMs.Median();
        if (!figures.peakWorkingSetKiB.Empty())
            medianPeakKiB[memos] = figures.peakWorkingSetKiB.Median();
        if (!figures.privateKiB.Empty())
            medianPrivateKiB[memos] = figures.privateKiB.Median();
    }
    PrintRatioToFloor(medianStartMs, medianFloorMs);
    PrintGrowthPerMemo("peak working set", medianPeakKiB);
    PrintGrowthPerMemo("private bytes", medianPrivateKiB);
    return 0;
}
