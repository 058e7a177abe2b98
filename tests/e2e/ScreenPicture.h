#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace e2e {

// The pixels a rectangle of the screen shows at the moment of capture, as COLORREF values
// (0x00BBGGRR), so they compare directly with GetSysColor.
class ScreenPicture {
public:
    static ScreenPicture Capture(const RECT& screenRect);

    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

private:
    ScreenPicture(int width, int height, std::vector<COLORREF> pixels);

    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

} // namespace e2e
