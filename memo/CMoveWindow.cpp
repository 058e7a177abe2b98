#include "CMoveWindow.h"

#include "CursorPosition.h"
#include "Form.h"

CMoveWindow::CMoveWindow(ui::Form& memoWindow) : window_(memoWindow), last_(ui::CursorPosition()) {}

HCURSOR CMoveWindow::GetDragCursor(bool /*accepted*/, int /*x*/, int /*y*/)
{
    FollowCursor(ui::CursorPosition());
    return LoadCursorW(nullptr, IDC_SIZEALL);
}

void CMoveWindow::FollowCursor(POINT cursor)
{
    window_.SetLeft(window_.Left() + (cursor.x - last_.x));
    window_.SetTop(window_.Top() + (cursor.y - last_.y));
    last_ = cursor;
}
