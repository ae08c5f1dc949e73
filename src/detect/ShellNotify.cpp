#include "app/Form1.h"

// Filled in with shell-notification detection.
void Form1::subclassit() {
    Timer7.SetEnabled(false);
    Check[4].SetEnabled(false);
}
void Form1::unsubclassit() {
    Timer7.SetEnabled(true);
    Timer1.SetEnabled(false);
    Check[4].SetEnabled(true);
}
void Form1::NotificationReceipt(std::uintptr_t, std::intptr_t) {}
std::intptr_t Form1::WindowProc(Handle, std::uint32_t, std::uintptr_t, std::intptr_t) { return 0; }
bool Form1::HookWindowProc(Handle) { return false; }
bool Form1::UnhookWindowProc(Handle) { return false; }
bool Form1::RegisterShellNotify(Handle) { return false; }
bool Form1::DeregisterShellNotify() { return false; }
Handle Form1::GetSpecialFolderItem(Handle, int) { return 0; }
std::wstring Form1::GetItemDisplayName(Handle) { return L""; }
std::wstring Form1::GetItemPath(Handle) { return L""; }
