#pragma once

// The window classes the tests look for: the program's own, and the system's for its message boxes
// and pop-up menus.
namespace e2e {

inline constexpr char kMainWindowClass[] = "TDummyWindow";
inline constexpr char kMemoWindowClass[] = "TMemoWindow";
inline constexpr char kMemoLabelClass[] = "KamifudaLabel";
inline constexpr char kEditDialogClass[] = "TEditMemo";
inline constexpr char kAboutClass[] = "TAbout";
inline constexpr char kMessageBoxClass[] = "#32770";
inline constexpr char kPopupMenuClass[] = "#32768";

} // namespace e2e
