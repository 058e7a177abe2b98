#pragma once
// The clipboard, opened for a scope. When another program keeps it open for more than a moment,
// opening raises ui::Error with a message for the user.

#include "base/NonCopyable.h"

#include <windows.h>

#include <string>

namespace ui {

class ClipboardScope : private base::NonCopyable {
public:
    explicit ClipboardScope(HWND owner);
    ~ClipboardScope();
};

// Puts ANSI text on the clipboard as CF_TEXT, replacing what it held.
void SetClipboardTextAnsi(HWND owner, const std::string& text);

// Reads the clipboard's CF_TEXT as ANSI bytes up to the terminating zero; empty when it holds none.
std::string ClipboardTextAnsi(HWND owner);

// The program's clipboard text: CF_TEXT read with the application window as the clipboard's owner.
// Raises ui::Error when the clipboard cannot be opened; empty when it holds no text.
std::string GetClipboardText();

} // namespace ui
