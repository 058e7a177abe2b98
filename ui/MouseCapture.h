#pragma once
// Holds the mouse capture for a window while it lives; releases it unless another window took it.

#include "base/NonCopyable.h"

#include <windows.h>

namespace ui {

class MouseCapture : private base::NonCopyable {
public:
    explicit MouseCapture(HWND window) : window_(window) { SetCapture(window_); }
    ~MouseCapture()
    {
        if (GetCapture() == window_)
            ReleaseCapture();
    }

    bool Held() const { return GetCapture() == window_; }

private:
    HWND window_;
};

} // namespace ui
