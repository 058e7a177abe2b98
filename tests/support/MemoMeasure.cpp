#include "MemoMeasure.h"

#include "ui/Handles.h"

namespace memotest {

SIZE MeasureText(const std::string& ansiText, UINT extraFlags, int fontHeight)
{
    const ui::UniqueFont font(CreateFontW(fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                          L"ＭＳ Ｐゴシック"));
    const ui::WindowDC screen(nullptr);
    const ui::SelectScope selected(screen.Get(), font.Get());
    RECT r{0, 0, 0, 0};
    DrawTextA(screen.Get(), ansiText.c_str(), static_cast<int>(ansiText.size()), &r,
              DT_CALCRECT | DT_EXPANDTABS | extraFlags);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

SIZE SizingFrame()
{
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, WS_POPUP | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

} // namespace memotest
