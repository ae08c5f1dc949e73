#include "app/Form1.h"
#include "detect/StripAtNull.h"

std::wstring Form1::GetItemDisplayName(Handle pidl) {
    std::wstring name;
    if (!m_platform.shell.GetDisplayNameOf(pidl, &name)) return L"";
    return StripAtNull(name);
}

std::wstring Form1::GetItemPath(Handle pidl) {
    wchar_t path[260] = {};
    if (!m_platform.shell.SHGetPathFromIDListW(pidl, path)) return L"";
    return StripAtNull(std::wstring(path, 260));
}
