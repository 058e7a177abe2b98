#pragma once

#include "base/NonCopyable.h"

#include <windows.h>

#include <vector>

namespace e2e {

// Modifier keys (VK_SHIFT, VK_CONTROL, VK_MENU) held down for the life of this object, as a person
// holds them while clicking or pressing another key, and let go in the reverse order at its end.
// Under Wine they are held at the X server (XServerKeys.h), elsewhere through SendInput. Each key
// counts as held once the system reads it so (GetAsyncKeyState), so the input that follows comes
// with it.
class HeldModifierKeys : private base::NonCopyable {
public:
    explicit HeldModifierKeys(const std::vector<WORD>& keys);
    ~HeldModifierKeys();

    // Whether every key was read as held; a key that was not is named in a test failure.
    bool AllHeld() const noexcept { return allHeld_; }

private:
    std::vector<WORD> pressed_;
    bool allHeld_ = true;
};

} // namespace e2e
