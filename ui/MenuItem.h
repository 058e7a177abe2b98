#pragma once
// An item of a pop-up menu: caption ("-" for a separator), enabled state, tag, an optional one-colour
// bitmap, a click handler and sub-items.

#include "Component.h"
#include "Events.h"

#include <windows.h>

#include <string>

namespace ui {

class MenuItem : public Component {
public:
    explicit MenuItem(Form& form) : Component(form) {}

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
    bool IsSeparator() const { return caption_ == L"-"; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // The item's bitmap at the DPI of its form (its size is given for 96 DPI); null without one.
    HBITMAP Bitmap() const;
    // False for a caption that shows a text of the user's: it keeps the letters it has.
    bool AutomaticHotkey() const { return automaticHotkey_; }
    void SetAutomaticHotkey(bool automatic) { automaticHotkey_ = automatic; }
    void SetOnClick(NotifyEvent handler) { onClick_ = std::move(handler); }
    void Click();

    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
    void Add(std::unique_ptr<MenuItem> item) { items_.push_back(std::move(item)); }
    void Clear() { items_.clear(); }

    void SetProperty(const FormProperty& property) override;
    void Adopt(std::unique_ptr<Component> child) override;
    Component* Find(const std::string& name) override;

private:
    std::wstring caption_;
    bool enabled_ = true;
    bool automaticHotkey_ = true;
    COLORREF bitmapColor_ = 0;
    int bitmapWidth_ = 0, bitmapHeight_ = 0;
    NotifyEvent onClick_;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

// The items of a menu or submenu as form data builds them: only menu items may be nested, and a
// name is looked up through the whole tree below.
using MenuItems = std::vector<std::unique_ptr<MenuItem>>;
void AdoptMenuItem(Component& parent, MenuItems& items, std::unique_ptr<Component> child);
Component* FindInMenu(Component& parent, const MenuItems& items, const std::string& name);

// A bitmap filled with one colour. Bitmaps are shared: one per colour and size for the whole process,
// so menus of many windows cost no GDI objects each.
HBITMAP SolidBitmap(COLORREF color, int width, int height);

} // namespace ui
