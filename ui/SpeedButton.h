#pragma once
// A flat button that is only its caption, drawn in its own font (the About dialog's link).

#include "CaptionControl.h"
#include "Events.h"

#include <string>

namespace ui {

class SpeedButton : public CaptionControl {
public:
    explicit SpeedButton(Form& form) : CaptionControl(form) {}

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    void Click() override;
    void SetOnClick(NotifyEvent handler) { onClick_ = std::move(handler); }

    void SetProperty(const FormProperty& property) override;

protected:
    void CreateControl() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DrawCaption(HDC dc, RECT& area) override;

    std::wstring caption_;
    bool pressed_ = false;
    NotifyEvent onClick_;
};

} // namespace ui
