#include "PopupMenu.h"

#include "CursorPosition.h"
#include "Error.h"
#include "Form.h"
#include "FormData.h"
#include "Properties.h"
#include "RunningHandler.h"

#include <cwctype>

namespace ui {

void PopupMenu::SetProperty(const FormProperty& p)
{
    if (p.name == "AutoHotkeys")
        autoHotkeys_ = ChoiceValue<bool>(p, {{"maAutomatic", true}, {"maManual", false}});
    else if (p.name == "TrackButton")
        rightButton_ = ChoiceValue<bool>(p, {{"tbLeftButton", false}, {"tbRightButton", true}});
    else
        Component::SetProperty(p);
}

void PopupMenu::Adopt(std::unique_ptr<Component> child)
{
    AdoptMenuItem(*this, items_, std::move(child));
}

Component* PopupMenu::Find(const std::string& name)
{
    return FindInMenu(*this, items_, name);
}

std::wstring WithAutomaticHotkey(const std::wstring& caption, std::wstring& used)
{
    if (caption == L"-" || caption.find(L'&') != std::wstring::npos)
        return caption;
    for (size_t i = 0; i < caption.size(); ++i) {
        wchar_t c = static_cast<wchar_t>(std::towupper(caption[i]));
        if (c < 0x80 && std::iswalnum(c) && used.find(c) == std::wstring::npos) {
            used += c;
            return caption.substr(0, i) + L"&" + caption.substr(i);
        }
    }
    return caption;
}

HMENU PopupMenu::BuildLevel(const std::vector<std::unique_ptr<MenuItem>>& items,
                            std::map<UINT, MenuItem*>& commands) const
{
    UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        ThrowLastError("CreatePopupMenu");
    std::wstring usedHotkeys;
    for (const auto& item : items) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        if (item->IsSeparator()) {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else {
            std::wstring caption = autoHotkeys_ && item->AutomaticHotkey()
                                       ? WithAutomaticHotkey(item->Caption(), usedHotkeys)
                                       : item->Caption();
            info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE;
            info.dwTypeData = caption.data();
            info.fState = item->Enabled() ? MFS_ENABLED : MFS_GRAYED;
            info.wID = static_cast<UINT>(commands.size() + 1);
            commands[info.wID] = item.get();
            if (item->Bitmap()) {
                info.fMask |= MIIM_BITMAP;
                info.hbmpItem = item->Bitmap();
            }
            if (!item->Items().empty()) {
                info.fMask |= MIIM_SUBMENU;
                info.hSubMenu = BuildLevel(item->Items(), commands);
            }
            if (!InsertMenuItemW(menu.Get(), GetMenuItemCount(menu.Get()), TRUE, &info))
                ThrowLastError("InsertMenuItemW");
            continue;
        }
        if (!InsertMenuItemW(menu.Get(), GetMenuItemCount(menu.Get()), TRUE, &info))
            ThrowLastError("InsertMenuItemW");
    }
    return menu.Release();
}

UniqueMenu PopupMenu::BuildMenu(std::map<UINT, MenuItem*>& commands) const
{
    commands.clear();
    return UniqueMenu(BuildLevel(items_, commands));
}

void PopupMenu::PopupAt(POINT point)
{
    const RunningHandler running;
    HWND owner = OwnerForm().Handle();
    // A menu whose owner is not the foreground window stays open when the user clicks elsewhere.
    SetForegroundWindow(owner);
    std::map<UINT, MenuItem*> commands;
    UniqueMenu menu = BuildMenu(commands);
    UINT flags = TPM_LEFTALIGN | TPM_RETURNCMD | (rightButton_ ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON);
    UINT chosen = static_cast<UINT>(TrackPopupMenuEx(menu.Get(), flags, point.x, point.y, owner, nullptr));
    // Lets the menu close properly when the user clicks elsewhere next time.
    PostMessageW(owner, WM_NULL, 0, 0);
    if (auto it = commands.find(chosen); it != commands.end())
        it->second->Click();
}

void PopupMenu::PopupAtCursor()
{
    PopupAt(CursorPosition());
}

} // namespace ui
