#include "MenuItem.h"

#include "Error.h"
#include "Form.h"
#include "FormData.h"
#include "Handles.h"
#include "Properties.h"

#include <map>
#include <tuple>

namespace ui {

void MenuItem::Click()
{
    if (enabled_ && onClick_)
        onClick_(*this);
}

void MenuItem::SetProperty(const FormProperty& p)
{
    if (p.name == "Caption")
        caption_ = TextValue(p);
    else if (p.name == "Enabled")
        enabled_ = BoolValue(p);
    else if (p.name == "OnClick")
        onClick_ = OwnerForm().Handler<NotifyEvent>(IdentifierValue(p), p.line);
    else if (p.name == "Bitmap.Color")
        bitmapColor_ = ColorValue(p);
    else if (p.name == "Bitmap.Width")
        bitmapWidth_ = IntegerValue(p);
    else if (p.name == "Bitmap.Height")
        bitmapHeight_ = IntegerValue(p);
    else
        Component::SetProperty(p);
}

HBITMAP MenuItem::Bitmap() const
{
    if (bitmapWidth_ <= 0 || bitmapHeight_ <= 0)
        return nullptr;
    const Form& form = OwnerForm();
    return SolidBitmap(bitmapColor_, form.Scaled(bitmapWidth_), form.Scaled(bitmapHeight_));
}

void MenuItem::Adopt(std::unique_ptr<Component> child)
{
    AdoptMenuItem(*this, items_, std::move(child));
}

Component* MenuItem::Find(const std::string& name)
{
    return FindInMenu(*this, items_, name);
}

void AdoptMenuItem(Component& parent, MenuItems& items, std::unique_ptr<Component> child)
{
    if (!dynamic_cast<MenuItem*>(child.get()))
        throw Error("form data: '" + parent.Name() + "' can hold only menu items, not '" + child->Name() + "'");
    items.emplace_back(static_cast<MenuItem*>(child.release()));
}

Component* FindInMenu(Component& parent, const MenuItems& items, const std::string& name)
{
    if (name == parent.Name())
        return &parent;
    for (auto& item : items)
        if (Component* found = item->Find(name))
            return found;
    return nullptr;
}

HBITMAP SolidBitmap(COLORREF color, int width, int height)
{
    static std::map<std::tuple<COLORREF, int, int>, UniqueBitmap> bitmaps;
    auto& slot = bitmaps[{color, width, height}];
    if (!slot) {
        WindowDC screen(nullptr);
        slot.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
        if (!slot)
            ThrowLastError("CreateCompatibleBitmap");
        const UniqueMemoryDC dc(CreateCompatibleDC(screen.Get()));
        SelectScope select(dc.Get(), slot.Get());
        RECT r{0, 0, width, height};
        UniqueBrush brush(CreateSolidBrush(color));
        FillRect(dc.Get(), &r, brush.Get());
    }
    return slot.Get();
}

} // namespace ui
