#pragma once
#include <cstdint>
#include <string>

#include "platform/ShellApi.h"

// The shell's change notifications for the whole namespace: one registration on the
// desktop item, held with that item until it is cancelled.
class ShellNotification {
public:
    explicit ShellNotification(ShellApi& shell) : shell_(shell) {}
    // Cancels a registration still held, and frees the item even when that is refused.
    ~ShellNotification();
    ShellNotification(const ShellNotification&) = delete;
    ShellNotification& operator=(const ShellNotification&) = delete;

    // False when a registration is already held or the shell refuses one.
    bool RegisterShellNotify(Window hWnd);
    bool DeregisterShellNotify();
    // The path of the medium a notification reports inserted, or "" for any other report.
    std::wstring InsertedPath(std::uintptr_t wParam, std::intptr_t lParam);

    ItemList GetSpecialFolderItem(Window hOwner, int folder);
    std::wstring GetItemDisplayName(ItemList pidl);
    std::wstring GetItemPath(ItemList pidl);

private:
    ShellApi& shell_;
    std::uint32_t m_hShellNotify = 0;
    ItemList m_pidlDesktop = 0;
};
