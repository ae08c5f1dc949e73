#include "ui/tray/TrayPopupMenu.h"

UniqueMenu BuildTrayPopupMenu(const std::vector<TrayMenuItem>& items, int defaultIndex) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return menu;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].visible) continue;
        const UINT_PTR command = i + 1;
        if (items[i].caption == L"-")
            AppendMenuW(menu.Get(), MF_SEPARATOR, command, nullptr);
        else
            AppendMenuW(menu.Get(), MF_STRING, command, items[i].caption.c_str());
    }
    if (defaultIndex >= 0) SetMenuDefaultItem(menu.Get(), static_cast<UINT>(defaultIndex) + 1, FALSE);
    return menu;
}

int ChosenItemIndex(UINT command) { return command == 0 ? -1 : static_cast<int>(command) - 1; }
