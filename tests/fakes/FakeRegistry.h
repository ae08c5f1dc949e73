#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/RegistryApi.h"

// An in-memory registry with the Windows rules that matter here: keys and value names
// compared without letter case, values keep their type and exact bytes, reads report
// ERROR_MORE_DATA into a short buffer, writes can be refused per root.
class FakeRegistry : public RegistryApi {
public:
    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
        bool operator==(const Value& other) const { return type == other.type && data == other.data; }
    };

    long RegOpenKeyW(Handle root, const std::wstring& subKey, Handle* key) override;
    long RegCreateKeyW(Handle root, const std::wstring& subKey, Handle* key) override;
    long RegQueryValueExW(Handle key, const std::wstring& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override;
    long RegSetValueExW(Handle key, const std::wstring& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
    long RegDeleteValueW(Handle key, const std::wstring& name) override;
    long RegCloseKey(Handle key) override;

    // Test side.
    void SetRaw(Handle root, const std::wstring& subKey, const std::wstring& name,
                std::uint32_t type, std::vector<std::uint8_t> data);
    void SetText(Handle root, const std::wstring& subKey, const std::wstring& name,
                 const std::wstring& text);
    void SetNumber(Handle root, const std::wstring& subKey, const std::wstring& name,
                   std::int32_t number);
    const Value* Find(Handle root, const std::wstring& subKey, const std::wstring& name) const;
    bool KeyExists(Handle root, const std::wstring& subKey) const;
    // Names of the values of a key, in the order written.
    std::vector<std::wstring> ValueNames(Handle root, const std::wstring& subKey) const;
    void RefuseWritesUnder(Handle root) { refusedRoot_ = root; }
    // Queries of values in the key and below it fail with access denied, as under a
    // deny-read entry in the key's security; opening and writing still work.
    void RefuseReadsUnder(Handle root, const std::wstring& subKey) {
        unreadable_.push_back(Path(root, subKey));
    }
    // Every value of every key, by upper-cased key path and value name.
    std::map<std::wstring, Value> Values() const;
    int OpenHandles() const { return static_cast<int>(handles_.size()); }
    int Writes() const { return writes_; }
    // Every call through the interface, reads included.
    int Calls() const { return calls_; }

private:
    struct Key {
        std::vector<std::pair<std::wstring, Value>> values;
    };
    static std::wstring Path(Handle root, const std::wstring& subKey);
    Key* KeyOf(Handle key);
    Handle NewHandle(const std::wstring& path);
    long Open(Handle root, const std::wstring& subKey, Handle* key, bool create);

    std::map<std::wstring, Key> keys_;  // upper-cased full path
    std::map<Handle, std::wstring> handles_;
    Handle nextHandle_ = 0x1000;
    Handle refusedRoot_ = 0;
    std::vector<std::wstring> unreadable_;
    int writes_ = 0;
    int calls_ = 0;
};
