#include "CMoveWindow.h"

#include "Form.h"

namespace {
POINT CursorNow()
{
    POINT p{0, 0};
    GetCursorPos(&p);
    return p;
}
} // namespace

CMoveWindow::CMoveWindow(ui::Form& memoWindow) : window_(memoWindow), last_(CursorNow()) {}

HCURSOR CMoveWindow::GetDragCursor(bool /*accepted*/, int /*x*/, int /*y*/)
{
    FollowCursor(CursorNow());
    return LoadCursorW(nullptr, IDC_SIZEALL);
}

void CMoveWindow::FollowCursor(POINT cursor)
{
    window_.SetLeft(window_.Left() + (cursor.x - last_.x));
    window_.SetTop(window_.Top() + (cursor.y - last_.y));
    last_ = cursor;
}
