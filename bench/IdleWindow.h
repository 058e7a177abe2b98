#pragma once

// The smallest Windows program with a window: the start-up bench starts a copy of itself named
// kIdleProgramName, which runs this, to measure how long Wine takes to start a program and show a
// window, the part of every start-up that is Wine's own. Shows a window of class kIdleWindowClass
// and runs until it is ended.
inline constexpr char kIdleWindowClass[] = "KamifudaBenchIdleWindow";
inline constexpr wchar_t kIdleProgramName[] = L"idle.exe";

int RunIdleWindow();
