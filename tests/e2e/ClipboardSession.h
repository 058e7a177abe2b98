#pragma once

#include <windows.h>

namespace e2e {

// The clipboard opened by the test; closed when the session ends. Opening retries for a while,
// since the program under test may hold the clipboard for a moment.
class ClipboardSession {
public:
    ClipboardSession();
    ~ClipboardSession();

    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
};

} // namespace e2e
