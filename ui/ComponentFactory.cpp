#include "ComponentFactory.h"

#include "Button.h"
#include "Error.h"
#include "FormData.h"
#include "Label.h"
#include "MemoEdit.h"
#include "MenuItem.h"
#include "PopupMenu.h"
#include "SpeedButton.h"
#include "Timer.h"

namespace ui {
namespace {

std::unique_ptr<Component> MakeComponent(const FormNode& node, Form& form)
{
    const std::string& kind = node.kind;
    if (kind == "TLabel")
        return std::make_unique<Label>(form);
    if (kind == "TButton")
        return std::make_unique<Button>(form);
    if (kind == "TSpeedButton")
        return std::make_unique<SpeedButton>(form);
    if (kind == "TMemo")
        return std::make_unique<MemoEdit>(form);
    if (kind == "TPopupMenu")
        return std::make_unique<PopupMenu>(form);
    if (kind == "TMenuItem")
        return std::make_unique<MenuItem>(form);
    if (kind == "TTimer")
        return std::make_unique<Timer>(form);
    throw Error("form data, line " + std::to_string(node.line) + ": unknown component kind '" + kind + "'");
}

} // namespace

std::unique_ptr<Component> BuildComponent(const FormNode& node, Form& form)
{
    std::unique_ptr<Component> component = MakeComponent(node, form);
    component->SetName(node.name);
    for (const auto& property : node.properties)
        component->SetProperty(property);
    for (const auto& child : node.children)
        component->Adopt(BuildComponent(child, form));
    return component;
}

} // namespace ui
