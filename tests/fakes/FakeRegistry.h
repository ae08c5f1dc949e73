#pragma once
#include <algorithm>
#include <cwctype>
#include <map>
#include <string>
#include <vector>

#include "platform/RegistryApi.h"

// An in-memory registry with the Windows rules that matter here: keys and value names
// compared without letter case, values keep their type and exact bytes, reads report
// ERROR_MORE_DATA into a short buffer, writes can be refused under one root.
class FakeRegistry : public RegistryApi {
public:
    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    long RegOpenKeyW(Handle root, const std::wstring& subKey, Handle* key) override {
        *key = 0;
        if (!keys_.count(Path(root, subKey))) return kErrorFileNotFound;
        handles_[*key = ++lastHandle_] = {root, Path(root, subKey)};
        return kErrorSuccess;
    }
    long RegCreateKeyW(Handle root, const std::wstring& subKey, Handle* key) override {
        *key = 0;
        if (root == refusedRoot_) return kErrorAccessDenied;
        // Every missing component is made, as RegCreateKey does.
        for (std::size_t end = 0; end != std::wstring::npos; end = subKey.find(L'\\', end + 1))
            keys_[Path(root, subKey.substr(0, end))];
        keys_[Path(root, subKey)];
        return RegOpenKeyW(root, subKey, key);
    }
    long RegQueryValueExW(Handle key, const std::wstring& name, std::uint32_t* type, std::uint8_t* data,
                          std::uint32_t* size) override {
        const auto h = handles_.find(key);
        if (h == handles_.end()) return kErrorInvalidHandle;
        const Value* v = FindAt(h->second.second, name);
        if (!v) return kErrorFileNotFound;
        const std::uint32_t available = *size;
        *type = v->type;
        *size = static_cast<std::uint32_t>(v->data.size());
        if (data && available < *size) return kErrorMoreData;
        if (data) std::copy(v->data.begin(), v->data.end(), data);
        return kErrorSuccess;
    }
    long RegSetValueExW(Handle key, const std::wstring& name, std::uint32_t type, const std::uint8_t* data,
                        std::uint32_t size) override {
        const auto h = handles_.find(key);
        if (h == handles_.end() || h->second.first == refusedRoot_) return kErrorAccessDenied;
        ++writes_;
        Put(h->second.second, name, {type, std::vector<std::uint8_t>(data, data + size)});
        return kErrorSuccess;
    }
    long RegDeleteValueW(Handle key, const std::wstring& name) override {
        const auto h = handles_.find(key);
        if (h == handles_.end() || h->second.first == refusedRoot_) return kErrorAccessDenied;
        Values& values = keys_[h->second.second];
        const std::size_t i = IndexOf(values, name);
        if (i == values.size()) return kErrorFileNotFound;
        ++writes_;
        values.erase(values.begin() + static_cast<std::ptrdiff_t>(i));
        return kErrorSuccess;
    }
    long RegCloseKey(Handle key) override { return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle; }

    // Test side.
    const Value* Find(Handle root, const std::wstring& subKey, const std::wstring& name) const {
        return FindAt(Path(root, subKey), name);
    }
    // Names of the values of a key, in the order first written.
    std::vector<std::wstring> ValueNames(Handle root, const std::wstring& subKey) const {
        std::vector<std::wstring> names;
        const auto k = keys_.find(Path(root, subKey));
        if (k != keys_.end())
            for (const auto& e : k->second) names.push_back(e.first);
        return names;
    }
    void RefuseWritesUnder(Handle root) { refusedRoot_ = root; }
    int OpenHandles() const { return static_cast<int>(handles_.size()); }
    // Values set or removed through the interface.
    int Writes() const { return writes_; }

private:
    using Values = std::vector<std::pair<std::wstring, Value>>;
    static std::wstring Upper(std::wstring text) {
        for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
        return text;
    }
    static std::wstring Path(Handle root, const std::wstring& subKey) {
        return std::to_wstring(root) + L"\\" + Upper(subKey);
    }
    static std::size_t IndexOf(const Values& values, const std::wstring& name) {
        std::size_t i = 0;
        while (i < values.size() && Upper(values[i].first) != Upper(name)) ++i;
        return i;
    }
    const Value* FindAt(const std::wstring& path, const std::wstring& name) const {
        const auto k = keys_.find(path);
        if (k == keys_.end()) return nullptr;
        const std::size_t i = IndexOf(k->second, name);
        return i < k->second.size() ? &k->second[i].second : nullptr;
    }
    void Put(const std::wstring& path, const std::wstring& name, const Value& value) {
        Values& values = keys_[path];
        const std::size_t i = IndexOf(values, name);
        if (i < values.size())
            values[i].second = value;
        else
            values.emplace_back(name, value);
    }

    std::map<std::wstring, Values> keys_;  // by root and upper-cased path
    std::map<Handle, std::pair<Handle, std::wstring>> handles_;  // root and path
    Handle lastHandle_ = 0x1000;
    Handle refusedRoot_ = 0;
    int writes_ = 0;
};
