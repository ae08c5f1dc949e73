#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/ShellApi.h"

// Item id lists as numbered items with a display name and a path; a notification record's
// address is the handle of the item it names first.
class FakeShell : public ShellApi {
public:
    long SHGetSpecialFolderLocation(Window, int, ItemList* pidl) override {
        *pidl = AddItem(L"Desktop", L"");
        return 0;
    }
    std::uint32_t SHChangeNotifyRegister(Window, int, std::int32_t, std::uint32_t, int,
                                         const ChangeNotifyEntry*) override { return ++registrations; }
    bool SHChangeNotifyDeregister(std::uint32_t) override { return registrations--; }
    void CoTaskMemFree(ItemList) override {}
    bool GetDisplayNameOf(ItemList pidl, std::wstring* displayName260) override {
        *displayName260 = items_[pidl].first;
        displayName260->resize(260, L'\0');
        return true;
    }
    bool SHGetPathFromIDListW(ItemList pidl, wchar_t* path260) override {
        path260[items_[pidl].second.copy(path260, 259)] = L'\0';
        return !items_[pidl].second.empty();
    }
    bool ReadNotifyRecord(std::uintptr_t wParam, ItemList* firstItem, ItemList* secondItem) override {
        *firstItem = ItemList(wParam);
        *secondItem = 0;
        return wParam != 0;
    }
    void ShellExecuteW(const std::wstring& file, const std::wstring&, int) override { executed.push_back(file); }

    // Test side.
    ItemList AddItem(const std::wstring& displayName, const std::wstring& path) {
        items_[ItemList(++lastItem_)] = {displayName, path};
        return ItemList(lastItem_);
    }
    std::vector<std::wstring> executed;  // files and addresses opened
    int registrations = 0;  // held now

private:
    std::map<ItemList, std::pair<std::wstring, std::wstring>> items_;
    std::uintptr_t lastItem_ = 0x5000;
};
