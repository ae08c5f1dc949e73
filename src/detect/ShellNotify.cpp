#include "app/Form1.h"

namespace {
constexpr std::int32_t kRecursive = -1;  // true with all bits set
}  // namespace

bool Form1::RegisterShellNotify(Window hWnd) {
    if (m_hShellNotify != 0) return false;
    // The desktop is the root of the shell namespace: watching it recursively sees every drive.
    m_pidlDesktop = GetSpecialFolderItem(0, kCsidlDesktop);
    if (m_pidlDesktop == 0) return false;
    const ChangeNotifyEntry entry{m_pidlDesktop, kRecursive};
    m_hShellNotify =
        m_platform.shell.SHChangeNotifyRegister(hWnd, kShcnrfAllSources, kShcneAllEventsAndInterrupt, kWmShellNotify, 1, &entry);
    if (m_hShellNotify != 0) return true;
    // Nothing refers to the item without a registration, and a later attempt makes its own.
    m_platform.shell.CoTaskMemFree(m_pidlDesktop);
    m_pidlDesktop = 0;
    return false;
}

bool Form1::DeregisterShellNotify() {
    if (m_hShellNotify == 0) return false;
    // Refused: keep both, the registration may still be live and can be cancelled later.
    if (!m_platform.shell.SHChangeNotifyDeregister(m_hShellNotify)) return false;
    m_hShellNotify = 0;
    m_platform.shell.CoTaskMemFree(m_pidlDesktop);
    m_pidlDesktop = 0;
    return true;
}

void Form1::NotificationReceipt(std::uintptr_t wParam, std::intptr_t lParam) {
    ItemList firstItem = 0;
    ItemList secondItem = 0;
    // The record lives only while the shell's message is being handled: copy it now.
    if (!m_platform.shell.ReadNotifyRecord(wParam, &firstItem, &secondItem)) firstItem = 0;
    std::wstring path;
    // The whole code is compared: a media insertion combined with any other bit is not one.
    if (lParam == static_cast<std::intptr_t>(kShcneMediaInserted) && firstItem != 0) {
        // An item without a display name is not something the user could have inserted.
        if (!GetItemDisplayName(firstItem).empty()) path = GetItemPath(firstItem);
    }
    ReportArrival(path);
}

ItemList Form1::GetSpecialFolderItem(Window hOwner, int folder) {
    ItemList item = 0;
    if (m_platform.shell.SHGetSpecialFolderLocation(hOwner, folder, &item) != 0) return 0;
    return item;
}

Form1::ShellNotifyGuard::~ShellNotifyGuard() {
    try {
        owner.DeregisterShellNotify();
        // A refused cancellation leaves the item with us, and nobody else will free it.
        if (owner.m_pidlDesktop != 0) owner.m_platform.shell.CoTaskMemFree(owner.m_pidlDesktop);
        owner.m_pidlDesktop = 0;
    } catch (...) {
    }
}
