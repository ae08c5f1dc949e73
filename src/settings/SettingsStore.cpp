#include "settings/SettingsStore.h"

#include "settings/Registry.h"

const wchar_t kSettingsKey[] = L"Software\\Trayhush\\Settings";
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunValueName[] = L"Trayhush";

std::int32_t SettingsStore::ReadNumber(const std::wstring& name, std::int32_t defaultNumber) {
    if (Registry::HasNumberValue(api_, kHkeyCurrentUser, kSettingsKey, name))
        return Registry::ReadNumberValue(api_, kHkeyCurrentUser, kSettingsKey, name, defaultNumber);
    return Registry::ReadNumberValue(api_, kHkeyLocalMachine, kSettingsKey, name, defaultNumber);
}

void SettingsStore::WriteNumber(const std::wstring& name, std::int32_t number) {
    if (Registry::WriteNumberValue(api_, kHkeyLocalMachine, kSettingsKey, name, number)) {
        if (Registry::HasNumberValue(api_, kHkeyCurrentUser, kSettingsKey, name))
            Registry::RemoveValue(api_, kHkeyCurrentUser, kSettingsKey, name);
        return;
    }
    Registry::WriteNumberValue(api_, kHkeyCurrentUser, kSettingsKey, name, number);
}

std::wstring SettingsStore::ReadText(const std::wstring& name) {
    if (Registry::HasTextValue(api_, kHkeyCurrentUser, kSettingsKey, name))
        return Registry::ReadTextValue(api_, kHkeyCurrentUser, kSettingsKey, name, L"");
    return Registry::ReadTextValue(api_, kHkeyLocalMachine, kSettingsKey, name, L"");
}

void SettingsStore::WriteText(const std::wstring& name, const std::wstring& text) {
    if (Registry::WriteTextValue(api_, kHkeyLocalMachine, kSettingsKey, name, text)) {
        if (Registry::HasTextValue(api_, kHkeyCurrentUser, kSettingsKey, name))
            Registry::RemoveValue(api_, kHkeyCurrentUser, kSettingsKey, name);
        return;
    }
    Registry::WriteTextValue(api_, kHkeyCurrentUser, kSettingsKey, name, text);
}

std::wstring SettingsStore::ReadRunEntry() {
    const std::wstring perUser =
        Registry::ReadTextValue(api_, kHkeyCurrentUser, kRunKey, kRunValueName, L"");
    if (!perUser.empty()) return perUser;
    return Registry::ReadTextValue(api_, kHkeyLocalMachine, kRunKey, kRunValueName, L"");
}

void SettingsStore::WriteRunEntry(const std::wstring& command) {
    if (Registry::WriteTextValue(api_, kHkeyLocalMachine, kRunKey, kRunValueName, command)) {
        if (Registry::HasTextValue(api_, kHkeyCurrentUser, kRunKey, kRunValueName))
            Registry::RemoveValue(api_, kHkeyCurrentUser, kRunKey, kRunValueName);
        return;
    }
    Registry::WriteTextValue(api_, kHkeyCurrentUser, kRunKey, kRunValueName, command);
}

void SettingsStore::RemoveRunEntry() {
    Registry::RemoveValue(api_, kHkeyLocalMachine, kRunKey, kRunValueName);
    Registry::RemoveValue(api_, kHkeyCurrentUser, kRunKey, kRunValueName);
}
