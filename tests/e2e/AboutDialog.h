#pragma once

#include "ProgramNames.h"

#include <windows.h>

#include <filesystem>
#include <string>

// The About dialog as another process sees it.
namespace e2e {

// The visible About dialog of the process, or null.
HWND AboutDialogOf(DWORD processId);

// Chooses バージョン情報(&A)... in the process's open tray menu and waits for the dialog; null if it
// does not open.
HWND ChooseAboutInTrayMenu(DWORD processId);

// The product version of a file, formatted as the dialog writes it; read here on its own so that
// the program's reading is checked against an independent one.
std::wstring ExpectedVersionLine(const std::filesystem::path& file);

// Whether a control of the dialog shows this text.
bool AboutDialogShows(HWND about, const std::wstring& text);

} // namespace e2e
