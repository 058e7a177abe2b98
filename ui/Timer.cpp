#include "Timer.h"

#include "Form.h"
#include "FormData.h"
#include "Properties.h"

namespace ui {
namespace {
// Timer ids are unique in the process, so several timers can share one form's window.
UINT_PTR NextTimerId()
{
    static UINT_PTR next = 1;
    return next++;
}
} // namespace

Timer::Timer(Form& form) : Component(form), id_(NextTimerId()) {}

Timer::~Timer()
{
    if (hasWindow_ && OwnerForm().Handle())
        KillTimer(OwnerForm().Handle(), id_);
}

void Timer::SetProperty(const FormProperty& p)
{
    if (p.name == "Enabled")
        enabled_ = BoolValue(p);
    else if (p.name == "Interval")
        interval_ = static_cast<unsigned>(IntegerValue(p));
    else if (p.name == "OnTimer")
        onTimer_ = OwnerForm().Handler<NotifyEvent>(IdentifierValue(p), p.line);
    else
        Component::SetProperty(p);
}

void Timer::CreateHandles()
{
    hasWindow_ = true;
    Update();
}

void Timer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Update();
}

void Timer::Update()
{
    if (!hasWindow_)
        return;
    KillTimer(OwnerForm().Handle(), id_);
    if (enabled_ && interval_ > 0)
        SetTimer(OwnerForm().Handle(), id_, interval_, nullptr);
}

void Timer::Fire()
{
    if (enabled_ && onTimer_)
        onTimer_(*this);
}

} // namespace ui
