#pragma once
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/FakeText.h"
#include "platform/RegistryApi.h"

// An in-memory registry with the Windows rules that matter here: keys and value names
// compared without letter case, values keep their type and exact bytes, reads report
// ERROR_MORE_DATA into a short buffer, writes can be refused under one root.
class FakeRegistry : public RegistryApi {
public:
    struct Value { std::uint32_t type = 0; std::vector<std::uint8_t> data; };

    long RegOpenKeyW(RegistryKey root, const std::wstring& subKey, RegistryKey* key) override {
        *key = 0;
        if (!keys_.count(Path(root, subKey))) return kErrorFileNotFound;
        handles_[*key = RegistryKey(++lastHandle_)] = {root, Path(root, subKey)};
        return kErrorSuccess;
    }
    long RegCreateKeyW(RegistryKey root, const std::wstring& subKey, RegistryKey* key) override {
        *key = 0;
        if (root == refusedRoot_) return kErrorAccessDenied;
        // Every missing component is made, as RegCreateKey does.
        for (std::size_t end = 0; end != std::wstring::npos; end = subKey.find(L'\\', end + 1))
            keys_.insert(Path(root, subKey.substr(0, end)));
        keys_.insert(Path(root, subKey));
        return RegOpenKeyW(root, subKey, key);
    }
    long RegQueryValueExW(RegistryKey key, const std::wstring& name, std::uint32_t* type, std::uint8_t* data,
                          std::uint32_t* size) override {
        if (!handles_.count(key)) return kErrorInvalidHandle;
        const auto v = values_.find({handles_[key].second, CaseFolded(name)});
        if (v == values_.end()) return kErrorFileNotFound;
        const std::uint32_t available = *size;
        *type = v->second.type;
        *size = static_cast<std::uint32_t>(v->second.data.size());
        if (data && available < *size) return kErrorMoreData;
        if (data) std::copy(v->second.data.begin(), v->second.data.end(), data);
        return kErrorSuccess;
    }
    long RegSetValueExW(RegistryKey key, const std::wstring& name, std::uint32_t type, const std::uint8_t* data,
                        std::uint32_t size) override {
        if (!Writable(key)) return kErrorAccessDenied;
        ++writes_;
        values_[{handles_[key].second, CaseFolded(name)}] = {type, std::vector<std::uint8_t>(data, data + size)};
        return kErrorSuccess;
    }
    long RegDeleteValueW(RegistryKey key, const std::wstring& name) override {
        if (!Writable(key)) return kErrorAccessDenied;
        if (!values_.erase({handles_[key].second, CaseFolded(name)})) return kErrorFileNotFound;
        ++writes_;
        return kErrorSuccess;
    }
    long RegCloseKey(RegistryKey key) override { return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle; }

    // Test side.
    void RefuseWritesUnder(RegistryKey root) { refusedRoot_ = root; }
    int OpenHandles() const { return static_cast<int>(handles_.size()); }
    // Values set or removed through the interface.
    int Writes() const { return writes_; }

private:
    static std::wstring Path(RegistryKey root, const std::wstring& subKey) {
        return std::to_wstring(root.value) + L"\\" + CaseFolded(subKey);
    }
    bool Writable(RegistryKey key) const { return handles_.count(key) && handles_.at(key).first != refusedRoot_; }

    std::set<std::wstring> keys_;  // root and upper-cased path
    std::map<std::pair<std::wstring, std::wstring>, Value> values_;  // by key and upper-cased name
    std::map<RegistryKey, std::pair<RegistryKey, std::wstring>> handles_;     // root and key
    std::uintptr_t lastHandle_ = 0x1000;
    RegistryKey refusedRoot_ = 0;
    int writes_ = 0;
};
