#pragma once
// A flat button that is only its caption, drawn in its own font (the About dialog's link).

#include "Control.h"
#include "Events.h"

#include <string>

namespace ui {

class SpeedButton : public Control {
public:
    explicit SpeedButton(Form& form) : Control(form) {}

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    void Click() override;
    void SetOnClick(NotifyEvent handler) { onClick_ = std::move(handler); }

    void SetProperty(const FormProperty& property) override;

protected:
    void CreateControl() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    std::wstring caption_;
    bool pressed_ = false;
    NotifyEvent onClick_;
};

} // namespace ui
