#pragma once
#include "platform/ShellApi.h"

// shell32 and ole32. The registration calls are exported by ordinal only and are looked
// up on first use.
class Win32ShellApi : public ShellApi {
public:
    long SHGetSpecialFolderLocation(Window owner, int folder, ItemList* pidl) override;
    std::uint32_t SHChangeNotifyRegister(Window window, int sources, std::int32_t events,
                                         std::uint32_t message, int count,
                                         const ChangeNotifyEntry* entries) override;
    bool SHChangeNotifyDeregister(std::uint32_t registration) override;
    void CoTaskMemFree(ItemList block) override;
    bool GetDisplayNameOf(ItemList pidl, std::wstring* displayName260) override;
    bool SHGetPathFromIDListW(ItemList pidl, wchar_t* path260) override;
    bool ReadNotifyRecord(std::uintptr_t wParam, ItemList* firstItem, ItemList* secondItem) override;
    void ShellExecuteW(const std::wstring& file, const std::wstring& directory, int showCommand) override;
};
