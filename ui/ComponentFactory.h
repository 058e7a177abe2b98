#pragma once

#include "Component.h"

#include <memory>

namespace ui {

struct FormNode;

// Makes the component a form-data node describes, with its properties and nested components.
// An unknown kind raises ui::Error naming it.
std::unique_ptr<Component> BuildComponent(const FormNode& node, Form& form);

} // namespace ui
