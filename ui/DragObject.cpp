#include "DragObject.h"

namespace ui {

HCURSOR DragObject::GetDragCursor(bool /*accepted*/, int /*x*/, int /*y*/)
{
    return LoadCursorW(nullptr, IDC_NO);
}

} // namespace ui
