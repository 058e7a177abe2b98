#pragma once
// Holds the mouse capture for a window while it lives; releases it unless another window took it.

#include <windows.h>

namespace ui {

class MouseCapture {
public:
    explicit MouseCapture(HWND window) : window_(window) { SetCapture(window_); }
    ~MouseCapture()
    {
        if (GetCapture() == window_)
            ReleaseCapture();
    }
    MouseCapture(const MouseCapture&) = delete;
    MouseCapture& operator=(const MouseCapture&) = delete;

    bool Held() const { return GetCapture() == window_; }

private:
    HWND window_;
};

} // namespace ui
