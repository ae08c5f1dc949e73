#include "platform/win32/Win32ShellApi.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

#include <cstring>
#include <vector>

#include "platform/win32/ComApartment.h"
#include "platform/win32/Win32Handles.h"

namespace {

#ifndef _WIN64
// The 32-bit program hands these records to the shell as they are laid out in memory.
static_assert(sizeof(SHChangeNotifyEntry) == 8, "item pointer and recursive flag");
static_assert(sizeof(SHFILEINFOA) == 352, "icon, index, attributes, 260 + 80 characters");
#endif

using RegisterFn = ULONG(WINAPI*)(HWND window, int sources, LONG events, UINT message, int count,
                                  const SHChangeNotifyEntry* entries);
using DeregisterFn = BOOL(WINAPI*)(ULONG registration);

constexpr WORD kRegisterOrdinal = 2;
constexpr WORD kDeregisterOrdinal = 4;

FARPROC Shell32Ordinal(WORD ordinal) {
    // The program imports shell32 already, so the module is loaded for its whole life.
    HMODULE shell32 = ::GetModuleHandleW(L"shell32.dll");
    if (shell32 == nullptr) shell32 = ::LoadLibraryW(L"shell32.dll");
    return shell32 == nullptr ? nullptr : ::GetProcAddress(shell32, MAKEINTRESOURCEA(ordinal));
}

// Through void(*)(): an exported address has no type of its own.
template <typename Fn>
Fn Shell32Function(WORD ordinal) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(Shell32Ordinal(ordinal)));
}

RegisterFn RegisterFunction() {
    static const RegisterFn function = Shell32Function<RegisterFn>(kRegisterOrdinal);
    return function;
}

DeregisterFn DeregisterFunction() {
    static const DeregisterFn function = Shell32Function<DeregisterFn>(kDeregisterOrdinal);
    return function;
}

}  // namespace

long Win32ShellApi::SHGetSpecialFolderLocation(Window owner, int folder, ItemList* pidl) {
    PIDLIST_ABSOLUTE item = nullptr;
    const HRESULT result = ::SHGetSpecialFolderLocation(ToHwnd(owner), folder, &item);
    *pidl = SUCCEEDED(result) ? FromPidl(item) : nullptr;
    return result;
}

std::uint32_t Win32ShellApi::SHChangeNotifyRegister(Window window, int sources, std::int32_t events,
                                                    std::uint32_t message, int count,
                                                    const ChangeNotifyEntry* entries) {
    const RegisterFn registerFunction = RegisterFunction();
    if (registerFunction == nullptr || count < 1 || entries == nullptr) return 0;
    std::vector<SHChangeNotifyEntry> shellEntries(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        shellEntries[i].pidl = ToPidl(entries[i].pidl);
        shellEntries[i].fRecursive = entries[i].recursive;
    }
    return registerFunction(ToHwnd(window), sources, events, message, count,
                            shellEntries.data());
}

bool Win32ShellApi::SHChangeNotifyDeregister(std::uint32_t registration) {
    const DeregisterFn deregisterFunction = DeregisterFunction();
    return deregisterFunction != nullptr && deregisterFunction(registration) != FALSE;
}

void Win32ShellApi::CoTaskMemFree(ItemList block) { ::CoTaskMemFree(ToPidl(block)); }

bool Win32ShellApi::GetDisplayNameOf(ItemList pidl, std::wstring* displayName260) {
    // The shell does not check the item it is given.
    if (pidl == 0) return false;
    SHFILEINFOW info{};
    if (::SHGetFileInfoW(reinterpret_cast<LPCWSTR>(ToPidl(pidl)), 0, &info, sizeof info,
                         SHGFI_PIDL | SHGFI_DISPLAYNAME) == 0)
        return false;
    displayName260->assign(info.szDisplayName, MAX_PATH);
    return true;
}

bool Win32ShellApi::SHGetPathFromIDListW(ItemList pidl, wchar_t* path260) {
    if (pidl == 0) return false;
    return ::SHGetPathFromIDListW(ToPidl(pidl), path260) != FALSE;
}

bool Win32ShellApi::ReadNotifyRecord(std::uintptr_t wParam, ItemList* firstItem, ItemList* secondItem) {
    if (wParam == 0) return false;
    // The shell's record: two item id list pointers, side by side.
    PCIDLIST_ABSOLUTE items[2] = {};
    std::memcpy(items, reinterpret_cast<const void*>(wParam), sizeof items);
    *firstItem = FromPidl(items[0]);
    *secondItem = FromPidl(items[1]);
    return true;
}

void Win32ShellApi::ShellExecuteW(const std::wstring& file, const std::wstring& directory, int showCommand) {
    // Only opening a link needs COM; holding it for the program's whole life costs memory.
    const ComApartment com;
    ::ShellExecuteW(nullptr, nullptr, file.c_str(), nullptr, directory.empty() ? nullptr : directory.c_str(),
                    showCommand);
}
