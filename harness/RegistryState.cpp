#include "harness/RegistryState.h"

namespace trayhush::e2e {
namespace {

const wchar_t kSettingsKey[] = L"Software\\Trayhush\\Settings";
const wchar_t kProductKey[] = L"Software\\Trayhush";
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunValue[] = L"Trayhush";

bool SetValue(HKEY root, const std::wstring& path, const wchar_t* name, DWORD type, const void* data,
              DWORD bytes) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool ok = RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), bytes) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

bool SetText(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& text) {
    return SetValue(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

void ForgetEverything() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kProductKey);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kProductKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProductKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, kProductKey);
    HKEY run = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
        RegDeleteValueW(run, kRunValue);
        RegCloseKey(run);
    }
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"DVD");
    RegDeleteKeyW(HKEY_CLASSES_ROOT, L"DVD");
}

void StoreNumberSetting(const wchar_t* name, DWORD value) {
    SetValue(HKEY_LOCAL_MACHINE, kSettingsKey, name, REG_DWORD, &value, sizeof value);
}

void StoreTextSetting(const wchar_t* name, const std::wstring& value) {
    SetText(HKEY_LOCAL_MACHINE, kSettingsKey, name, value);
}

bool ReadRunValue(std::wstring* value) {
    wchar_t text[1024] = {};
    DWORD bytes = sizeof text - sizeof(wchar_t);
    DWORD type = 0;
    HKEY run = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_QUERY_VALUE, &run) != ERROR_SUCCESS) return false;
    const LONG status = RegQueryValueExW(run, kRunValue, nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes);
    RegCloseKey(run);
    if (status != ERROR_SUCCESS || type != REG_SZ) return false;
    value->assign(text);
    return true;
}

bool RegisterDefaultDvdCommand(const std::wstring& verb, const std::wstring& commandLine) {
    return SetText(HKEY_CLASSES_ROOT, L"DVD\\shell", nullptr, verb) &&
           SetText(HKEY_CLASSES_ROOT, L"DVD\\shell\\" + verb + L"\\command", nullptr, commandLine);
}

}  // namespace trayhush::e2e
