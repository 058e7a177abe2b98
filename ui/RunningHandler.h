#pragma once
// Counts the program's handlers that are running, nested in each other: every message that reaches
// one of our windows, and the modal loops and menus that a handler runs (counted themselves too, so
// that one opened without a message, as a test opens it, counts as well). What must not happen
// beneath a handler, freeing a window whose handler may still be on the stack, waits until the count
// falls back to none (Application::AfterHandlers).

#include "base/NonCopyable.h"

namespace ui {

class RunningHandler : private base::NonCopyable {
public:
    RunningHandler();
    // The last one to end lets the application run what waited for it.
    ~RunningHandler();

    static int Count();
};

} // namespace ui
