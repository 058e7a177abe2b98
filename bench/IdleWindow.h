#pragma once

// The smallest Windows program with windows: the start-up bench starts a copy of itself named
// kIdleProgramName, which runs this, to measure the part of a start that is Wine's own. It shows
// kIdleWindowsVariable windows (default 1) of class kIdleWindowClass, each a tool window with a
// sizing frame and a label child like a memo's, at the memos' places, and runs until it is ended.
inline constexpr char kIdleWindowClass[] = "KamifudaBenchIdleWindow";
inline constexpr wchar_t kIdleProgramName[] = L"idle.exe";
inline constexpr char kIdleWindowsVariable[] = "KAMIFUDA_BENCH_WINDOWS";

int RunIdleWindows();
