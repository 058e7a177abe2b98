#include "Component.h"

#include "Error.h"
#include "FormData.h"

namespace ui {

void Component::SetProperty(const FormProperty& property)
{
    if (property.name == "Tag") {
        if (property.value.type != FormValue::Type::Integer)
            throw Error("form data, line " + std::to_string(property.line) + ": Tag takes a number");
        tag_ = static_cast<int>(property.value.integer);
        return;
    }
    RefuseProperty(property);
}

void Component::RefuseProperty(const FormProperty& property) const
{
    throw Error("form data, line " + std::to_string(property.line) + ": unknown property '" + property.name + "' of '" +
                name_ + "'");
}

void Component::Adopt(std::unique_ptr<Component> child)
{
    throw Error("form data: '" + name_ + "' cannot hold the component '" + child->Name() + "'");
}

Component* Component::Find(const std::string& name)
{
    return name == name_ ? this : nullptr;
}

} // namespace ui
