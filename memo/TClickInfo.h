#pragma once
// The last left press on a memo window's text, for telling a double click. Every press on the text
// starts a drag, so the label never sees a system double click; the memo window keeps its own record.

#include <windows.h>

class TClickInfo {
public:
    TClickInfo() = default;
    virtual ~TClickInfo() = default;

    bool HasPress() const { return hasPress_; }
    DWORD PressTime() const { return pressTime_; }
    LONG PressX() const { return pressX_; }
    LONG PressY() const { return pressY_; }

    // Remembers a press at the tick count `time` (milliseconds) and the screen point `at`.
    void Record(DWORD time, POINT at);

private:
    DWORD pressTime_ = 0;
    LONG pressX_ = 0;
    LONG pressY_ = 0;
    bool hasPress_ = false;
};

// Presses closer than this on both axes may form a double click (a fixed square, not the system's).
inline constexpr LONG kDoubleClickDistance = 4;

// Whether a press at tick count `now` and screen point `cursor` completes a double click with the
// recorded press, given the double-click time in milliseconds. The elapsed time is taken modulo 2^32,
// so a tick counter that wrapped between the presses still gives the right answer.
bool IsDoubleClickAt(const TClickInfo& info, DWORD now, UINT doubleClickTime, POINT cursor);
// The same for the current press: now, the user's double-click time and the cursor position.
bool IsDoubleClick(const TClickInfo& info);
// Records the current press: the tick count and the cursor position now.
void RecordClick(TClickInfo& info);
