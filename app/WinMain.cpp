#include "Application.h"
#include "Handles.h"
#include "LibrarySearch.h"
#include "TDummyWindow.h"

#include <windows.h>

namespace {

// Held for the life of the process, so that two starts at the same moment cannot both run.
constexpr char kInstanceMutexName[] = "Local\\Kamifuda.SingleInstance";
constexpr DWORD kWaitForFirstInstanceMs = 5000;
constexpr DWORD kPollIntervalMs = 50;

HWND FindRunningInstance()
{
    return FindWindowA(kMainWindowClass, kMainWindowCaption);
}

// Another start holds the mutex: it may still be creating its window, so wait for it briefly.
void BringFirstInstanceForward()
{
    for (DWORD waited = 0; waited < kWaitForFirstInstanceMs; waited += kPollIntervalMs) {
        if (HWND window = FindRunningInstance()) {
            SetForegroundWindow(window);
            return;
        }
        Sleep(kPollIntervalMs);
    }
}

void RunProgram()
{
    TDummyWindow mainWindow;
    ui::Application::Instance().Run();
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    NarrowLibrarySearchToSystemFolder();
    if (HWND running = FindRunningInstance()) {
        SetForegroundWindow(running);
        return 0;
    }
    ui::UniqueKernelHandle mutex(CreateMutexA(nullptr, TRUE, kInstanceMutexName));
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        BringFirstInstanceForward();
        return 0;
    }
    try {
        RunProgram();
    } catch (...) {
        ui::Application::Instance().ShowCurrentException();
    }
    return 0;
}
