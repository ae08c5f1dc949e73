#include "fakes/FakeShell.h"

#include <algorithm>

Handle FakeShell::AddItem(const std::wstring& displayName, const std::wstring& path) {
    const Handle h = nextItem_++;
    items_[h] = Item{displayName, path};
    return h;
}

std::uintptr_t FakeShell::AddRecord(Handle first, Handle second) {
    const std::uintptr_t address = 0x70000 + records_.size() * 16;
    records_[address] = Record{first, second};
    return address;
}

long FakeShell::SHGetSpecialFolderLocation(Handle, int folder, Handle* pidl) {
    *pidl = 0;
    if (folderFails || folder != kCsidlDesktop) return 0x80004005L;  // E_FAIL
    *pidl = AddItem(L"Desktop", L"");
    allocated.push_back(*pidl);
    return 0;
}

std::uint32_t FakeShell::SHChangeNotifyRegister(Handle window, int sources, std::int32_t events,
                                                std::uint32_t message, int count,
                                                const ChangeNotifyEntry* entries) {
    ++registerCalls;
    if (registerFails || count < 1 || !entries) return 0;
    const std::uint32_t id = nextRegistration_++;
    registrations[id] = Registration{window, sources, events, message, count, entries[0]};
    return id;
}

bool FakeShell::SHChangeNotifyDeregister(std::uint32_t registration) {
    if (deregisterFails) return false;
    return registrations.erase(registration) != 0;
}

void FakeShell::CoTaskMemFree(Handle block) { freed.push_back(block); }

bool FakeShell::GetDisplayNameOf(Handle pidl, std::wstring* displayName260) {
    auto i = items_.find(pidl);
    if (i == items_.end()) return false;
    *displayName260 = i->second.displayName;
    displayName260->resize(260, L'\0');
    return true;
}

bool FakeShell::SHGetPathFromIDListW(Handle pidl, wchar_t* path260) {
    auto i = items_.find(pidl);
    if (i == items_.end() || i->second.path.empty()) return false;
    const std::size_t n = std::min<std::size_t>(i->second.path.size(), 259);
    std::copy(i->second.path.begin(), i->second.path.begin() + n, path260);
    path260[n] = L'\0';
    return true;
}

bool FakeShell::ReadNotifyRecord(std::uintptr_t wParam, Handle* firstItem, Handle* secondItem) {
    auto r = records_.find(wParam);
    if (r == records_.end()) return false;
    *firstItem = r->second.first;
    *secondItem = r->second.second;
    return true;
}

void FakeShell::ShellExecuteW(const std::wstring& file, const std::wstring& directory, int showCommand) {
    executed.push_back({file, directory, showCommand});
}
