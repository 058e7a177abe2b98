#pragma once
// A message-loop timer of a form (WM_TIMER on the form's window).

#include "Component.h"
#include "Events.h"

#include <windows.h>

namespace ui {

class Timer : public Component {
public:
    explicit Timer(Form& form);
    ~Timer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    UINT_PTR Id() const { return id_; }
    void SetOnTimer(NotifyEvent handler) { onTimer_ = std::move(handler); }
    void Fire();

    void SetProperty(const FormProperty& property) override;
    void CreateHandles() override;

private:
    void Update();

    UINT_PTR id_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
    bool hasWindow_ = false;
    NotifyEvent onTimer_;
};

} // namespace ui
