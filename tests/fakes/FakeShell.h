#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/ShellApi.h"

// Item id lists as numbered records with a display name and a path; registrations and
// freed blocks are counted so that leaks show.
class FakeShell : public ShellApi {
public:
    struct Item {
        std::wstring displayName;
        std::wstring path;
    };
    struct Record {
        Handle first = 0, second = 0;
    };

    long SHGetSpecialFolderLocation(Handle owner, int folder, Handle* pidl) override;
    std::uint32_t SHChangeNotifyRegister(Handle window, int sources, std::int32_t events,
                                         std::uint32_t message, int count,
                                         const ChangeNotifyEntry* entries) override;
    bool SHChangeNotifyDeregister(std::uint32_t registration) override;
    void CoTaskMemFree(Handle block) override;
    bool GetDisplayNameOf(Handle pidl, std::wstring* displayName260) override;
    bool SHGetPathFromIDListW(Handle pidl, wchar_t* path260) override;
    bool ReadNotifyRecord(std::uintptr_t wParam, Handle* firstItem, Handle* secondItem) override;
    void ShellExecuteW(const std::wstring& file, const std::wstring& directory, int showCommand) override;

    // Test side.
    Handle AddItem(const std::wstring& displayName, const std::wstring& path);
    // The address of a notification record naming item first.
    std::uintptr_t AddRecord(Handle first, Handle second = 0);

    struct Registration {
        Handle window;
        int sources;
        std::int32_t events;
        std::uint32_t message;
        int count;
        ChangeNotifyEntry entry;
    };
    std::map<std::uint32_t, Registration> registrations;
    int registerCalls = 0;
    bool registerFails = false;
    bool folderFails = false;
    bool deregisterFails = false;
    std::vector<Handle> freed;
    std::vector<Handle> allocated;
    struct Executed {
        std::wstring file, directory;
        int show;
    };
    std::vector<Executed> executed;

private:
    std::map<Handle, Item> items_;
    std::map<std::uintptr_t, Record> records_;
    Handle nextItem_ = 0x5000;
    std::uint32_t nextRegistration_ = 1;
};
