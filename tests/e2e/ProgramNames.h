#pragma once

#include "ExpectedColours.h"

#include <windows.h>

// The names the tests know the program by: its file, its title and main window caption, and the
// window classes of its windows and of the system's message boxes and pop-up menus. Its data files
// are named in StoredMemos.h, the memo colours in ExpectedColours.h.
namespace e2e {

inline constexpr wchar_t kProgramFileName[] = L"kamifuda.exe";
// The program's title, which captions its message boxes: the executable's name without extension.
inline constexpr wchar_t kProgramTitle[] = L"kamifuda";
inline constexpr char kMainWindowCaption[] = "Kamifuda";

inline constexpr char kMainWindowClass[] = "TDummyWindow";
inline constexpr char kMemoWindowClass[] = "TMemoWindow";
inline constexpr char kMemoLabelClass[] = "KamifudaLabel";
inline constexpr char kEditDialogClass[] = "TEditMemo";
inline constexpr char kAboutClass[] = "TAbout";
inline constexpr char kAboutLinkClass[] = "KamifudaSpeedButton";
inline constexpr char kMessageBoxClass[] = "#32770";
inline constexpr char kPopupMenuClass[] = "#32768";
// The question before a memo whose text was emptied in the edit dialog is deleted.
inline constexpr wchar_t kDeleteQuestionCaption[] = L"確認";

} // namespace e2e
