#include "SpeedButton.h"

#include "Form.h"
#include "FormData.h"
#include "Handles.h"
#include "Properties.h"

#include <windowsx.h>

namespace ui {
namespace {
constexpr wchar_t kSpeedButtonClass[] = L"KamifudaSpeedButton";
}

void SpeedButton::SetProperty(const FormProperty& p)
{
    if (p.name == "Caption")
        caption_ = TextValue(p);
    else if (p.name == "OnClick")
        onClick_ = OwnerForm().Handler<NotifyEvent>(IdentifierValue(p), p.line);
    else if (p.name == "Flat" || p.name == "Transparent" || p.name == "Spacing") {
        // The button is always drawn flat and opaque with its caption flush: nothing to choose.
    } else
        Control::SetProperty(p);
}

void SpeedButton::CreateControl()
{
    RegisterWindowClass(kSpeedButtonClass, 0, LoadCursorW(nullptr, IDC_HAND));
    CreateControlWindow(kSpeedButtonClass, 0);
}

void SpeedButton::SetCaption(const std::wstring& caption)
{
    caption_ = caption;
    if (Handle())
        InvalidateRect(Handle(), nullptr, TRUE);
}

void SpeedButton::Click()
{
    if (onClick_)
        onClick_(*this);
}

void SpeedButton::DrawCaption(HDC dc, RECT& area)
{
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT SpeedButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(Handle());
        return 0;
    case WM_LBUTTONUP: {
        bool wasPressed = pressed_;
        pressed_ = false;
        ReleaseCapture();
        RECT r{};
        GetClientRect(Handle(), &r);
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (wasPressed && PtInRect(&r, p))
            Click();
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    default:
        return CaptionControl::HandleMessage(message, wParam, lParam);
    }
}

} // namespace ui
