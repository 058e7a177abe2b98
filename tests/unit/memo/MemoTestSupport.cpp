#include "MemoTestSupport.h"

#include "Handles.h"

namespace memotest {

RECT WindowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y)
{
    const ui::UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    const ui::SelectScope selected(dc.Get(), bitmap);
    return GetPixel(dc.Get(), x, y);
}

} // namespace memotest
