#include "suppress/DefaultDvdCommand.h"

#include "settings/Registry.h"

namespace {
const wchar_t kDvdShellKey[] = L"DVD\\shell";
}  // namespace

// The verb and its command are used exactly as registered: the user's player gets the
// command line it asked for, placeholders included.
bool RunDefaultDvdCommand(RegistryApi& registry, ProcessApi& processes) {
    const std::wstring verb = Registry::ReadTextValue(registry, kHkeyClassesRoot, kDvdShellKey, L"", L"");
    const std::wstring commandKey = std::wstring(kDvdShellKey) + L"\\" + verb + L"\\command";
    const std::wstring command = Registry::ReadTextValue(registry, kHkeyClassesRoot, commandKey, L"", L"");
    if (command.empty()) return false;
    return processes.StartCommandLine(command, kSwShowMinimized);
}
