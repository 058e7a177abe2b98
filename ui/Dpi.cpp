#include "Dpi.h"

#include "Handles.h"
#include "SystemLibrary.h"

namespace ui {
namespace {
// Declared here, not taken from the SDK's headers: a direct call would import them statically.
using GetDpiForWindowFunction = UINT WINAPI(HWND);
using AdjustWindowRectExForDpiFunction = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
} // namespace

int SystemDpi()
{
    WindowDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kDesignDpi;
}

int WindowDpi(HWND window)
{
    static auto* const getDpiForWindow = SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window); dpi > 0)
            return static_cast<int>(dpi);
    return SystemDpi();
}

int ScaleToDpi(int designValue, int dpi)
{
    return ScaleBetween(designValue, kDesignDpi, dpi);
}

int ScaleBetween(int value, int fromDpi, int toDpi)
{
    return fromDpi == toDpi || fromDpi <= 0 ? value : MulDiv(value, toDpi, fromDpi);
}

SIZE FrameAtDpi(DWORD style, DWORD exStyle, int dpi)
{
    static auto* const adjustForDpi =
        SystemFunction<AdjustWindowRectExForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT r{0, 0, 0, 0};
    if (!adjustForDpi || !adjustForDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

} // namespace ui
