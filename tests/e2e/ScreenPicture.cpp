#include "ScreenPicture.h"

#include <memory>
#include <stdexcept>
#include <type_traits>

namespace e2e {

namespace {

struct ScreenDcRelease {
    void operator()(HDC dc) const noexcept { ReleaseDC(nullptr, dc); }
};
struct DcDelete {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
struct ObjectDelete {
    void operator()(HBITMAP bitmap) const noexcept { DeleteObject(bitmap); }
};
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcRelease>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDelete>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, ObjectDelete>;

// Copies the screen rectangle into the bitmap; the bitmap is deselected again on return, as
// GetDIBits requires.
void CopyScreen(HDC screen, HBITMAP bitmap, const RECT& rect)
{
    MemoryDc memory(CreateCompatibleDC(screen));
    HGDIOBJ previous = SelectObject(memory.get(), bitmap);
    BitBlt(memory.get(), 0, 0, rect.right - rect.left, rect.bottom - rect.top, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory.get(), previous);
}

COLORREF FromDibPixel(RGBQUAD pixel)
{
    return RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue);
}

} // namespace

ScreenPicture::ScreenPicture(int width, int height, std::vector<COLORREF> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels))
{}

ScreenPicture ScreenPicture::Capture(const RECT& screenRect)
{
    const int width = screenRect.right - screenRect.left;
    const int height = screenRect.bottom - screenRect.top;
    if (width <= 0 || height <= 0) {
        return ScreenPicture(0, 0, {});
    }
    ScreenDc screen(GetDC(nullptr));
    Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    if (!screen || !bitmap) {
        throw std::runtime_error("cannot capture the screen");
    }
    CopyScreen(screen.get(), bitmap.get(), screenRect);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> dib(static_cast<size_t>(width) * height);
    GetDIBits(screen.get(), bitmap.get(), 0, height, dib.data(), &info, DIB_RGB_COLORS);

    std::vector<COLORREF> pixels;
    pixels.reserve(dib.size());
    for (RGBQUAD pixel : dib) {
        pixels.push_back(FromDibPixel(pixel));
    }
    return ScreenPicture(width, height, std::move(pixels));
}

} // namespace e2e
