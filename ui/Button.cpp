#include "Button.h"

#include "Form.h"
#include "FormData.h"
#include "Properties.h"

namespace ui {

void Button::SetProperty(const FormProperty& p)
{
    if (p.name == "Caption")
        caption_ = TextValue(p);
    else if (p.name == "Default")
        default_ = BoolValue(p);
    else if (p.name == "Cancel")
        cancel_ = BoolValue(p);
    else if (p.name == "ModalResult")
        modalResult_ = ChoiceValue<int>(p, {{"mrNone", kModalNone}, {"mrOk", kModalOK}, {"mrCancel", kModalCancel}});
    else if (p.name == "OnClick")
        onClick_ = OwnerForm().Handler<NotifyEvent>(IdentifierValue(p), p.line);
    else
        Control::SetProperty(p);
}

void Button::CreateControl()
{
    CreateControlWindow(L"BUTTON", WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, caption_);
}

bool Button::OnCommand(WORD notifyCode)
{
    if (notifyCode != BN_CLICKED)
        return false;
    Click();
    return true;
}

void Button::Click()
{
    if (modalResult_ != kModalNone)
        OwnerForm().SetModalResult(modalResult_);
    if (onClick_)
        onClick_(*this);
}

} // namespace ui
