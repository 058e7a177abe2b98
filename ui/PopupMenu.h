#pragma once
// A pop-up menu of a form, opened at a screen position or at the mouse cursor; the chosen item's
// handler runs.

#include "Component.h"
#include "Handles.h"
#include "MenuItem.h"

#include <map>

namespace ui {

class PopupMenu : public Component {
public:
    explicit PopupMenu(Form& form) : Component(form) {}

    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
    void Add(std::unique_ptr<MenuItem> item) { items_.push_back(std::move(item)); }
    void Clear() { items_.clear(); }

    // With automatic hotkeys each caption without an accelerator gets one: the first letter or
    // digit that no earlier item of the same menu uses.
    bool AutoHotkeys() const { return autoHotkeys_; }

    // Makes the form that owns the menu the foreground window, opens the menu with its top-left
    // corner at the screen point and runs the chosen item.
    void PopupAt(POINT point);
    // The same at the mouse cursor.
    void PopupAtCursor();

    // The Win32 menu as it would be shown, with the command id of each item (for Popup and tests).
    UniqueMenu BuildMenu(std::map<UINT, MenuItem*>& commands) const;

    void SetProperty(const FormProperty& property) override;
    void Adopt(std::unique_ptr<Component> child) override;
    Component* Find(const std::string& name) override;

private:
    HMENU BuildLevel(const std::vector<std::unique_ptr<MenuItem>>& items, std::map<UINT, MenuItem*>& commands) const;

    std::vector<std::unique_ptr<MenuItem>> items_;
    bool autoHotkeys_ = true;
    bool rightButton_ = false;
};

// Puts an accelerator (&) before the first letter or digit of the caption not in `used`, and adds it.
std::wstring WithAutomaticHotkey(const std::wstring& caption, std::wstring& used);

} // namespace ui
