#pragma once
#include <cstdint>
#include <string>

#include "platform/Handles.h"

// The shell's SHChangeNotifyEntry: the watched item and whether its subtree counts.
struct ChangeNotifyEntry {
    ItemList pidl = 0;
    std::int32_t recursive = 0;
};

// Shell change notifications and shell execution.
class ShellApi {
public:
    virtual ~ShellApi() = default;
    virtual long SHGetSpecialFolderLocation(Window owner, int folder, ItemList* pidl) = 0;
    // shell32 ordinal 2; 0 on failure.
    virtual std::uint32_t SHChangeNotifyRegister(Window window, int sources, std::int32_t events,
                                                 std::uint32_t message, int count,
                                                 const ChangeNotifyEntry* entries) = 0;
    // shell32 ordinal 4; false on failure.
    virtual bool SHChangeNotifyDeregister(std::uint32_t registration) = 0;
    virtual void CoTaskMemFree(ItemList block) = 0;
    // SHGetFileInfoW with SHGFI_PIDL | SHGFI_DISPLAYNAME: the 260-character display-name
    // field, or false.
    virtual bool GetDisplayNameOf(ItemList pidl, std::wstring* displayName260) = 0;
    // SHGetPathFromIDListW into a 260-character buffer.
    virtual bool SHGetPathFromIDListW(ItemList pidl, wchar_t* path260) = 0;
    // Copies the notification record whose address arrives in wParam: its two item id lists.
    // False when the address is 0.
    virtual bool ReadNotifyRecord(std::uintptr_t wParam, ItemList* firstItem, ItemList* secondItem) = 0;
    // ShellExecuteW(0, no verb, file, no parameters, directory, showCommand).
    virtual void ShellExecuteW(const std::wstring& file, const std::wstring& directory,
                               int showCommand) = 0;
};

constexpr int kCsidlDesktop = 0;
constexpr std::uint32_t kShcneMediaInserted = 0x20;
constexpr std::uint32_t kWmShellNotify = 0x401;  // WM_USER + 1
// Every source level the shell knows and may add (interrupt, shell, ...), not only today's.
constexpr int kShcnrfAllSources = 0xFF;
// SHCNE_ALLEVENTS and SHCNE_INTERRUPT: every event kind, the filtering is the caller's.
constexpr std::int32_t kShcneAllEventsAndInterrupt = -1;
