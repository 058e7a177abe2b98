#include "MenuRows.h"

namespace e2e {

namespace {
// Wider than the menu window's frame, narrower than the gap before the item texts.
constexpr int kFrameMargin = 4;
} // namespace

std::vector<MenuRow> MenuRowsOf(const ScreenPicture& menu, COLORREF background, COLORREF textColor)
{
    std::vector<MenuRow> rows;
    bool inRow = false;
    for (int y = kFrameMargin; y < menu.Height() - kFrameMargin; ++y) {
        int ink = 0;
        int text = 0;
        for (int x = kFrameMargin; x < menu.Width() - kFrameMargin; ++x) {
            const COLORREF pixel = menu.At(x, y);
            ink += pixel != background;
            text += pixel == textColor;
        }
        if (ink == 0) {
            inRow = false;
            continue;
        }
        if (!inRow) {
            rows.push_back({y, y, 0, 0});
            inRow = true;
        }
        rows.back().bottom = y + 1;
        rows.back().inkPixels += ink;
        rows.back().textPixels += text;
    }
    return rows;
}

} // namespace e2e
