#pragma once
// The clipboard, opened for a scope. When another program keeps it open for more than a moment,
// opening raises ui::Error with a message for the user.
//
// Memo texts are in the ANSI code page, and the clipboard speaks both that and UTF-16. A text placed
// in one of the two forms alone is turned into the other by the system with the code page of a
// locale: the one placed with it (CF_LOCALE), otherwise the placing thread's input language (under
// Wine, the placing process's user locale), which need not be the ANSI code page's. So the program
// places both forms and the locale itself, and reads the form the source placed first: that one
// holds the source's own characters.

#include "base/NonCopyable.h"
#include "base/WideText.h"

#include <windows.h>

#include <string>

namespace ui {

class ClipboardScope : private base::NonCopyable {
public:
    explicit ClipboardScope(HWND owner);
    ~ClipboardScope();
};

// Puts ANSI text on the clipboard, replacing what it held: CF_TEXT as it is (placed first, so the
// program's own paste takes back the very bytes), CF_UNICODETEXT converted from the code page, and
// CF_LOCALE, the system's locale, which fixes the ANSI code page.
void SetClipboardTextAnsi(HWND owner, const std::string& text);

// The clipboard's text in the ANSI code page: of CF_TEXT and CF_UNICODETEXT, the one placed first
// (formats are enumerated in the order they were placed, those the system makes after them).
// CF_TEXT is taken as it is; CF_UNICODETEXT is converted, naming the characters the code page
// lacks. Empty when the clipboard holds no text.
base::CodePageText ClipboardTextAnsi(HWND owner);

// The program's clipboard text, read with the application window as the clipboard's owner.
// Raises ui::Error when the clipboard cannot be opened; empty when it holds no text.
base::CodePageText GetClipboardText();

} // namespace ui
