#pragma once
// The kinds of event handler that form data can bind, by the handler's name.

#include <functional>
#include <memory>

namespace ui {

class Component;
class DragObject;

enum class CloseAction
{
    None,
    Hide
};
enum class MouseButton
{
    Left,
    Right,
    Middle
};

struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Modal results of forms and push buttons.
inline constexpr int kModalNone = 0;
inline constexpr int kModalOK = 1;
inline constexpr int kModalCancel = 2;

using NotifyEvent = std::function<void(Component& sender)>;
using MouseEvent = std::function<void(Component& sender, MouseButton button, ShiftState shift, int x, int y)>;
using StartDragEvent = std::function<void(Component& sender, std::unique_ptr<DragObject>& dragObject)>;
using CloseEvent = std::function<void(Component& sender, CloseAction& action)>;

} // namespace ui
