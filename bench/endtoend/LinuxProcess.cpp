#include "LinuxProcess.h"

#include <windows.h>

#include <cstdlib>
#include <sstream>

namespace trayhush::bench {
namespace {

std::string ReadSmallFile(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    // /proc files report a size of 0: read until the end instead.
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

}  // namespace

unsigned long LinuxProcessIdOf(const std::string& exePath) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    unsigned long match = 0;
    char prefix[1024] = "";
    GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
    const std::string ownPrefix = std::string("WINEPREFIX=") + prefix + '\0';
    do {
        wchar_t* end = nullptr;
        const unsigned long id = std::wcstoul(found.cFileName, &end, 10);
        if (id == 0 || *end) continue;
        const std::wstring folder = std::wstring(L"Z:\\proc\\") + found.cFileName;
        // Another Wine session's server may linger on the machine: only this session's counts.
        if (ReadSmallFile(folder + L"\\cmdline").find(exePath) != std::string::npos &&
            ReadSmallFile(folder + L"\\environ").find(ownPrefix) != std::string::npos)
            match = id;
    } while (!match && FindNextFileW(search, &found));
    FindClose(search);
    return match;
}

long long CpuTicksOf(unsigned long linuxProcessId) {
    const std::string stat = ReadSmallFile(L"Z:\\proc\\" + std::to_wstring(linuxProcessId) + L"\\stat");
    // The command name in parentheses may hold spaces; the fields count from after it.
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos) return -1;
    std::istringstream fields(stat.substr(nameEnd + 2));
    std::string field;
    long long user = -1;
    long long system = -1;
    // utime and stime are the 14th and 15th fields; the 3rd is the first after the name.
    for (int number = 3; number <= 15 && fields >> field; ++number) {
        if (number == 14) user = std::atoll(field.c_str());
        if (number == 15) system = std::atoll(field.c_str());
    }
    return user < 0 || system < 0 ? -1 : user + system;
}

double AnonymousKiBOf(unsigned long linuxProcessId) {
    std::istringstream status(ReadSmallFile(L"Z:\\proc\\" + std::to_wstring(linuxProcessId) + L"\\status"));
    double kiB = 0;
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("RssAnon:", 0) == 0 || line.rfind("VmSwap:", 0) == 0)
            kiB += std::atof(line.c_str() + line.find(':') + 1);
    return kiB;
}

}  // namespace trayhush::bench
