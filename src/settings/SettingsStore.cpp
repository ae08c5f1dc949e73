#include "settings/SettingsStore.h"

#include <functional>

#include "settings/Registry.h"

const wchar_t kSettingsKey[] = L"Software\\Trayhush\\Settings";
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunValueName[] = L"Trayhush";

namespace {

// The same few steps for number and text values, by overload on the value's type.
bool Has(RegistryApi& api, RegistryKey root, const std::wstring& key, const std::wstring& name, std::int32_t) {
    return Registry::HasNumberValue(api, root, key, name);
}
bool Has(RegistryApi& api, RegistryKey root, const std::wstring& key, const std::wstring& name, const std::wstring&) {
    return Registry::HasTextValue(api, root, key, name);
}
std::int32_t Read(RegistryApi& api, RegistryKey root, const std::wstring& key, const std::wstring& name, std::int32_t) {
    return Registry::ReadNumberValue(api, root, key, name, 0);
}
std::wstring Read(RegistryApi& api, RegistryKey root, const std::wstring& key, const std::wstring& name,
                  const std::wstring&) {
    return Registry::ReadTextValue(api, root, key, name, L"");
}
bool Write(RegistryApi& api, RegistryKey root, const std::wstring& key, const std::wstring& name, std::int32_t value) {
    return Registry::WriteNumberValue(api, root, key, name, value);
}
bool Write(RegistryApi& api, RegistryKey root, const std::wstring& key, const std::wstring& name,
           const std::wstring& value) {
    return Registry::WriteTextValue(api, root, key, name, value);
}

// A value belongs machine-wide. Where that write is refused (no elevation), it goes per
// user instead, and the per-user copy wins when reading. A machine-wide value that already
// holds it needs no write: a user who may not write there then gets no per-user copy of
// what the installer stored, which Windows would otherwise run at logon as well. Once the
// machine-wide value holds it, a per-user copy could only shadow it, so it goes.
template <typename Value, typename Same>
void Store(RegistryApi& api, const std::wstring& key, const std::wstring& name, const Value& value, Same same) {
    const bool machineHolds = Has(api, kHkeyLocalMachine, key, name, value) &&
                              same(Read(api, kHkeyLocalMachine, key, name, value), value);
    if (machineHolds || Write(api, kHkeyLocalMachine, key, name, value)) {
        if (Has(api, kHkeyCurrentUser, key, name, value)) Registry::RemoveValue(api, kHkeyCurrentUser, key, name);
        return;
    }
    Write(api, kHkeyCurrentUser, key, name, value);
}

}  // namespace

std::int32_t SettingsStore::ReadNumber(const std::wstring& name, std::int32_t defaultNumber) {
    if (Registry::HasNumberValue(api_, kHkeyCurrentUser, kSettingsKey, name))
        return Registry::ReadNumberValue(api_, kHkeyCurrentUser, kSettingsKey, name, defaultNumber);
    return Registry::ReadNumberValue(api_, kHkeyLocalMachine, kSettingsKey, name, defaultNumber);
}

void SettingsStore::WriteNumber(const std::wstring& name, std::int32_t number) {
    Store(api_, kSettingsKey, name, number, std::equal_to<>());
}

std::wstring SettingsStore::ReadText(const std::wstring& name) {
    if (Registry::HasTextValue(api_, kHkeyCurrentUser, kSettingsKey, name))
        return Registry::ReadTextValue(api_, kHkeyCurrentUser, kSettingsKey, name, L"");
    return Registry::ReadTextValue(api_, kHkeyLocalMachine, kSettingsKey, name, L"");
}

void SettingsStore::WriteText(const std::wstring& name, const std::wstring& text) {
    Store(api_, kSettingsKey, name, text, std::equal_to<>());
}

std::wstring SettingsStore::ReadRunEntry() {
    const std::wstring perUser =
        Registry::ReadTextValue(api_, kHkeyCurrentUser, kRunKey, kRunValueName, L"");
    if (!perUser.empty()) return perUser;
    return Registry::ReadTextValue(api_, kHkeyLocalMachine, kRunKey, kRunValueName, L"");
}

void SettingsStore::WriteRunEntry(const std::wstring& command) {
    // A path names the same program in any letter case, and the folder the program sees
    // is spelt as it was started: the installer's machine-wide entry stands for it.
    Store(api_, kRunKey, kRunValueName, command,
          [this](const std::wstring& held, const std::wstring& wanted) { return text_.ToUpper(held) == text_.ToUpper(wanted); });
}

void SettingsStore::RemoveRunEntry() {
    Registry::RemoveValue(api_, kHkeyLocalMachine, kRunKey, kRunValueName);
    Registry::RemoveValue(api_, kHkeyCurrentUser, kRunKey, kRunValueName);
}
