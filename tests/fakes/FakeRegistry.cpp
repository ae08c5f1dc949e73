#include "fakes/FakeRegistry.h"

#include "settings/Utf16Bytes.h"

#include <algorithm>
#include <cstring>
#include <cwctype>

namespace {

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

bool IsRoot(Handle h) {
    return h == kHkeyClassesRoot || h == kHkeyCurrentUser || h == kHkeyLocalMachine;
}

}  // namespace

std::wstring FakeRegistry::Path(Handle root, const std::wstring& subKey) {
    std::wstring path = std::to_wstring(root);
    if (!subKey.empty()) path += L"\\" + Upper(subKey);
    return path;
}

FakeRegistry::Key* FakeRegistry::KeyOf(Handle key) {
    auto h = handles_.find(key);
    if (h == handles_.end()) return nullptr;
    auto k = keys_.find(h->second);
    return k == keys_.end() ? nullptr : &k->second;
}

Handle FakeRegistry::NewHandle(const std::wstring& path) {
    const Handle h = nextHandle_++;
    handles_[h] = path;
    return h;
}

long FakeRegistry::Open(Handle root, const std::wstring& subKey, Handle* key, bool create) {
    *key = 0;
    std::wstring base;
    if (IsRoot(root)) {
        base = Path(root, L"");
    } else {
        auto h = handles_.find(root);
        if (h == handles_.end()) return kErrorInvalidHandle;
        base = h->second;
    }
    std::wstring path = base;
    if (!subKey.empty()) path += L"\\" + Upper(subKey);
    if (create) {
        if (root == refusedRoot_) return kErrorAccessDenied;
        // Every missing component is made, as RegCreateKey does.
        std::size_t pos = base.size();
        while ((pos = path.find(L'\\', pos + 1)) != std::wstring::npos) keys_[path.substr(0, pos)];
        keys_[path];
    } else if (!subKey.empty() && !keys_.count(path)) {
        return kErrorFileNotFound;
    }
    keys_[base];
    *key = NewHandle(path);
    return kErrorSuccess;
}

long FakeRegistry::RegOpenKeyW(Handle root, const std::wstring& subKey, Handle* key) {
    ++calls_;
    return Open(root, subKey, key, false);
}

long FakeRegistry::RegCreateKeyW(Handle root, const std::wstring& subKey, Handle* key) {
    ++calls_;
    return Open(root, subKey, key, true);
}

long FakeRegistry::RegQueryValueExW(Handle key, const std::wstring& name, std::uint32_t* type,
                                    std::uint8_t* data, std::uint32_t* size) {
    ++calls_;
    Key* k = KeyOf(key);
    if (!k) return kErrorInvalidHandle;
    const std::wstring& path = handles_[key];
    for (const std::wstring& refused : unreadable_)
        if (path == refused || path.rfind(refused + L"\\", 0) == 0) return kErrorAccessDenied;
    auto v = std::find_if(k->values.begin(), k->values.end(),
                          [&](const auto& e) { return Upper(e.first) == Upper(name); });
    if (v == k->values.end()) return kErrorFileNotFound;
    const auto& bytes = v->second.data;
    if (type) *type = v->second.type;
    const std::uint32_t needed = static_cast<std::uint32_t>(bytes.size());
    if (!data) {
        if (size) *size = needed;
        return kErrorSuccess;
    }
    if (!size) return 87;  // ERROR_INVALID_PARAMETER
    if (*size < needed) {
        *size = needed;
        return kErrorMoreData;
    }
    std::copy(bytes.begin(), bytes.end(), data);  // not memcpy: an empty value's data() is null
    *size = needed;
    return kErrorSuccess;
}

long FakeRegistry::RegSetValueExW(Handle key, const std::wstring& name, std::uint32_t type,
                                  const std::uint8_t* data, std::uint32_t size) {
    ++calls_;
    Key* k = KeyOf(key);
    if (!k) return kErrorInvalidHandle;
    ++writes_;
    Value value{type, std::vector<std::uint8_t>(data, data + size)};
    for (auto& e : k->values)
        if (Upper(e.first) == Upper(name)) {
            e.second = value;
            return kErrorSuccess;
        }
    k->values.emplace_back(name, value);
    return kErrorSuccess;
}

long FakeRegistry::RegDeleteValueW(Handle key, const std::wstring& name) {
    ++calls_;
    Key* k = KeyOf(key);
    if (!k) return kErrorInvalidHandle;
    const std::wstring& path = handles_[key];
    if (path.rfind(std::to_wstring(refusedRoot_), 0) == 0 && refusedRoot_) return kErrorAccessDenied;
    auto v = std::find_if(k->values.begin(), k->values.end(),
                          [&](const auto& e) { return Upper(e.first) == Upper(name); });
    if (v == k->values.end()) return kErrorFileNotFound;
    ++writes_;
    k->values.erase(v);
    return kErrorSuccess;
}

long FakeRegistry::RegCloseKey(Handle key) {
    ++calls_;
    return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

void FakeRegistry::SetRaw(Handle root, const std::wstring& subKey, const std::wstring& name,
                          std::uint32_t type, std::vector<std::uint8_t> data) {
    const Handle saved = refusedRoot_;
    refusedRoot_ = 0;
    Handle key = 0;
    RegCreateKeyW(root, subKey, &key);
    RegSetValueExW(key, name, type, data.data(), static_cast<std::uint32_t>(data.size()));
    RegCloseKey(key);
    refusedRoot_ = saved;
    --writes_;
}

void FakeRegistry::SetText(Handle root, const std::wstring& subKey, const std::wstring& name,
                           const std::wstring& text) {
    std::vector<std::uint8_t> bytes = ToUtf16Bytes(text);
    bytes.insert(bytes.end(), {0, 0});
    SetRaw(root, subKey, name, kRegSz, bytes);
}

void FakeRegistry::SetNumber(Handle root, const std::wstring& subKey, const std::wstring& name,
                             std::int32_t number) {
    std::vector<std::uint8_t> bytes(4);
    std::memcpy(bytes.data(), &number, 4);
    SetRaw(root, subKey, name, kRegDword, bytes);
}

const FakeRegistry::Value* FakeRegistry::Find(Handle root, const std::wstring& subKey,
                                              const std::wstring& name) const {
    auto k = keys_.find(Path(root, subKey));
    if (k == keys_.end()) return nullptr;
    for (const auto& e : k->second.values)
        if (Upper(e.first) == Upper(name)) return &e.second;
    return nullptr;
}

bool FakeRegistry::KeyExists(Handle root, const std::wstring& subKey) const {
    return keys_.count(Path(root, subKey)) != 0;
}

std::vector<std::wstring> FakeRegistry::ValueNames(Handle root, const std::wstring& subKey) const {
    std::vector<std::wstring> names;
    auto k = keys_.find(Path(root, subKey));
    if (k != keys_.end())
        for (const auto& e : k->second.values) names.push_back(e.first);
    return names;
}

std::map<std::wstring, FakeRegistry::Value> FakeRegistry::Values() const {
    std::map<std::wstring, Value> values;
    for (const auto& k : keys_)
        for (const auto& e : k.second.values) values[k.first + L" : " + Upper(e.first)] = e.second;
    return values;
}
