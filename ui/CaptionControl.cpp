#include "CaptionControl.h"

#include "Form.h"
#include "Properties.h"
#include "SharedGdiObjects.h"

namespace ui {

// One WM_PAINT: the control's colour filled in, its font and text colour selected, ended when the
// scope ends.
class CaptionControl::CaptionPaint {
public:
    explicit CaptionPaint(CaptionControl& control) : window_(control.Handle()), dc_(BeginPaint(window_, &ps_))
    {
        GetClientRect(window_, &area_);
        FillRect(dc_, &area_, SharedSolidBrush(ResolveColor(control.Color())));
        oldFont_ = SelectObject(dc_, control.FontHandle());
        SetBkMode(dc_, TRANSPARENT);
        const FontSpec* own = control.OwnFont();
        SetTextColor(dc_, ResolveColor(own ? own->color : control.OwnerForm().FontDescription().color));
    }
    ~CaptionPaint()
    {
        SelectObject(dc_, oldFont_);
        EndPaint(window_, &ps_);
    }
    CaptionPaint(const CaptionPaint&) = delete;
    CaptionPaint& operator=(const CaptionPaint&) = delete;
    HDC Dc() const { return dc_; }
    RECT& Area() { return area_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
    RECT area_{};
    HGDIOBJ oldFont_;
};

LRESULT CaptionControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        CaptionPaint paint(*this);
        DrawCaption(paint.Dc(), paint.Area());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    default:
        return Control::HandleMessage(message, wParam, lParam);
    }
}

} // namespace ui
