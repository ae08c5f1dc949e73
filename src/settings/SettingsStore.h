#pragma once
#include <cstdint>
#include <string>

#include "platform/RegistryApi.h"
#include "platform/TextApi.h"

extern const wchar_t kSettingsKey[];  // under HKEY_LOCAL_MACHINE
extern const wchar_t kRunKey[];
extern const wchar_t kRunValueName[];

// The program's settings and its start-with-Windows entry.
//
// They belong under HKEY_LOCAL_MACHINE. A program that is not elevated cannot write there
// on Windows with User Account Control, so a refused machine-wide write goes to the same
// path under HKEY_CURRENT_USER instead, and a value found there wins when reading.
// Where the machine-wide value holds what is written, already or after the write, nothing
// else changes, except that a per-user copy is removed so that it cannot shadow it. The
// numbers and the drive list are compared exactly, the Run command as Windows compares
// paths, without regard to letter case.
class SettingsStore {
public:
    SettingsStore(RegistryApi& api, TextApi& text) : api_(api), text_(text) {}

    std::int32_t ReadNumber(const std::wstring& name, std::int32_t defaultNumber);
    void WriteNumber(const std::wstring& name, std::int32_t number);
    std::wstring ReadText(const std::wstring& name);
    void WriteText(const std::wstring& name, const std::wstring& text);

    // The start-with-Windows command: the first Run value that holds text, per-user first.
    std::wstring ReadRunEntry();
    void WriteRunEntry(const std::wstring& command);
    // Removes whichever Run value exists.
    void RemoveRunEntry();

private:
    RegistryApi& api_;
    TextApi& text_;
};
