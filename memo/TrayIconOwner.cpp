#include "TrayIconOwner.h"

#include "Application.h"
#include "Form.h"

ITrayIconOwner* TrayIconOwner()
{
    return dynamic_cast<ITrayIconOwner*>(ui::Application::Instance().MainForm());
}
