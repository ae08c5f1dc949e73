#include "app/Form1.h"
#include "detect/StripAtNull.h"

std::wstring Form1::GetItemDisplayName(ItemList pidl) {
    std::wstring name;
    if (!m_platform.shell.GetDisplayNameOf(pidl, &name)) return L"";
    return StripAtNull(name);
}

std::wstring Form1::GetItemPath(ItemList pidl) {
    wchar_t path[kMaxPath] = {};
    if (!m_platform.shell.SHGetPathFromIDListW(pidl, path)) return L"";
    return StripAtNull(std::wstring(path, kMaxPath));
}
