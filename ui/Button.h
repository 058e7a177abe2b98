#pragma once
// A push button: caption, default (Enter) and cancel (Escape) roles, a modal result it gives its form
// when clicked, and OnClick.

#include "Control.h"
#include "Events.h"

#include <string>

namespace ui {

class Button : public Control {
public:
    explicit Button(Form& form) : Control(form) {}

    void Click() override;
    bool IsDefault() const override { return default_; }
    bool IsCancel() const override { return cancel_; }
    bool CanFocus() const override { return true; }
    int ModalResult() const { return modalResult_; }
    void SetOnClick(NotifyEvent handler) { onClick_ = std::move(handler); }

    void SetProperty(const FormProperty& property) override;
    bool OnCommand(WORD notifyCode) override;

protected:
    void CreateControl() override;

private:
    std::wstring caption_;
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = kModalNone;
    NotifyEvent onClick_;
};

} // namespace ui
