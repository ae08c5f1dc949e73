#include "detect/ShellNotification.h"

#include "detect/StripAtNull.h"
#include "platform/FileSystemApi.h"

namespace {
constexpr std::int32_t kRecursive = -1;  // true with all bits set
}  // namespace

ShellNotification::~ShellNotification() {
    try {
        DeregisterShellNotify();
        // A refused cancellation leaves the item with us, and nobody else will free it.
        if (m_pidlDesktop != 0) shell_.CoTaskMemFree(m_pidlDesktop);
    } catch (...) {
    }
}

bool ShellNotification::RegisterShellNotify(Window hWnd) {
    if (m_hShellNotify != 0) return false;
    // The desktop is the root of the shell namespace: watching it recursively sees every drive.
    m_pidlDesktop = GetSpecialFolderItem(0, kCsidlDesktop);
    if (m_pidlDesktop == 0) return false;
    const ChangeNotifyEntry entry{m_pidlDesktop, kRecursive};
    m_hShellNotify = shell_.SHChangeNotifyRegister(hWnd, kShcnrfAllSources, kShcneAllEventsAndInterrupt, kWmShellNotify, 1, &entry);
    if (m_hShellNotify != 0) return true;
    // Nothing refers to the item without a registration, and a later attempt makes its own.
    shell_.CoTaskMemFree(m_pidlDesktop);
    m_pidlDesktop = 0;
    return false;
}

bool ShellNotification::DeregisterShellNotify() {
    if (m_hShellNotify == 0) return false;
    // Refused: keep both, the registration may still be live and can be cancelled later.
    if (!shell_.SHChangeNotifyDeregister(m_hShellNotify)) return false;
    m_hShellNotify = 0;
    shell_.CoTaskMemFree(m_pidlDesktop);
    m_pidlDesktop = 0;
    return true;
}

std::wstring ShellNotification::InsertedPath(std::uintptr_t wParam, std::intptr_t lParam) {
    ItemList firstItem = 0;
    ItemList secondItem = 0;
    // The record lives only while the shell's message is being handled: copy it now.
    if (!shell_.ReadNotifyRecord(wParam, &firstItem, &secondItem)) firstItem = 0;
    // The whole code is compared: a media insertion combined with any other bit is not one.
    if (lParam != static_cast<std::intptr_t>(kShcneMediaInserted) || firstItem == 0) return L"";
    // An item without a display name is not something the user could have inserted.
    if (GetItemDisplayName(firstItem).empty()) return L"";
    return GetItemPath(firstItem);
}

ItemList ShellNotification::GetSpecialFolderItem(Window hOwner, int folder) {
    ItemList item = 0;
    if (shell_.SHGetSpecialFolderLocation(hOwner, folder, &item) != 0) return 0;
    return item;
}

std::wstring ShellNotification::GetItemDisplayName(ItemList pidl) {
    std::wstring name;
    if (!shell_.GetDisplayNameOf(pidl, &name)) return L"";
    return StripAtNull(name);
}

std::wstring ShellNotification::GetItemPath(ItemList pidl) {
    wchar_t path[kMaxPath] = {};
    if (!shell_.SHGetPathFromIDListW(pidl, path)) return L"";
    return StripAtNull(std::wstring(path, kMaxPath));
}
