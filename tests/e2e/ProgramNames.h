#pragma once

#include <windows.h>

// The names the tests know the program by: its file, its title and main window caption, and the
// window classes of its windows and of the system's message boxes and pop-up menus, and the memo
// colours. Its data files
// are named in StoredMemos.h.
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

// The four memo colours as the user sees them on the screen and as info.ini stores them. Spelt
// here on their own rather than taken from the program, so that a wrong colour in it shows.
inline constexpr COLORREF kYellow = RGB(255, 255, 165);
inline constexpr COLORREF kGreen = RGB(200, 255, 200);
inline constexpr COLORREF kBlue = RGB(200, 200, 255);
inline constexpr COLORREF kRed = RGB(255, 200, 200);

} // namespace e2e
