#include "platform/win32/Win32ProcessApi.h"

#include <windows.h>
// tlhelp32.h and psapi.h need windows.h first.
#include <psapi.h>
#include <tlhelp32.h>

namespace {

// psapi.h renames GetModuleFileNameExW to its kernel32 form with a macro, which would rename
// the member of the same name as well.
DWORD ModuleFileName(HANDLE process, HMODULE module, wchar_t* buffer, DWORD size) {
    return GetModuleFileNameExW(process, module, buffer, size);
}

}  // namespace
#undef GetModuleFileNameExW

#include <winternl.h>

#include <algorithm>
#include <vector>

#include "platform/win32/Win32Handles.h"

// The shipped 32-bit program exchanges these records with the system; their sizes are
// what the system checks in the records' size fields.
static_assert(sizeof(void*) != 4 || sizeof(tagPROCESSENTRY32) == 296, "PROCESSENTRY32 (ANSI)");
static_assert(sizeof(void*) != 4 || sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA");

namespace {

constexpr NTSTATUS kStatusInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);
constexpr std::size_t kListingSlack = 16 * 1024;

bool HasDirectory(const wchar_t* path) {
    for (; *path; ++path)
        if (*path == L'\\' || *path == L'/') return true;
    return false;
}

bool ImagePath(HANDLE process, std::wstring* result) {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD size = static_cast<DWORD>(path.size());
        if (::QueryFullProcessImageNameW(process, 0, path.data(), &size)) {
            result->assign(path.data(), size);
            return true;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || path.size() >= 32768) return false;
        path.resize(path.size() * 2);
    }
}

// The NT family's Toolhelp gives only the executable's file name; the logic needs the full
// path, which the process yields when it may be queried. Otherwise the name is all there is.
std::wstring FullImagePath(DWORD processId, const wchar_t* exeFile) {
    if (HasDirectory(exeFile)) return exeFile;
    UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    std::wstring path;
    return process && ImagePath(process.Get(), &path) ? path : exeFile;
}

bool Deliver(BOOL delivered, const PROCESSENTRY32W& record, ProcessEntry* entry) {
    if (!delivered) return false;
    entry->processId = record.th32ProcessID;
    entry->exeFile = FullImagePath(record.th32ProcessID, record.szExeFile);
    return true;
}

}  // namespace

Win32ProcessApi::Win32ProcessApi(std::uint32_t forcedPlatformId) : forcedPlatformId_(forcedPlatformId) {}

std::uint32_t Win32ProcessApi::GetTickCount() { return ::GetTickCount(); }

std::uint32_t Win32ProcessApi::GetPlatformId() {
    if (forcedPlatformId_ != 0) return forcedPlatformId_;
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExW(&info)) return 0;
#pragma GCC diagnostic pop
    return info.dwPlatformId;
}

KernelHandle Win32ProcessApi::CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(flags, processId);
    return snapshot == INVALID_HANDLE_VALUE ? 0 : FromHandle(snapshot);
}

bool Win32ProcessApi::Process32FirstW(KernelHandle snapshot, ProcessEntry* entry) {
    PROCESSENTRY32W record = {};
    record.dwSize = sizeof record;
    return Deliver(::Process32FirstW(ToHandle(snapshot), &record), record, entry);
}

bool Win32ProcessApi::Process32NextW(KernelHandle snapshot, ProcessEntry* entry) {
    PROCESSENTRY32W record = {};
    record.dwSize = sizeof record;
    return Deliver(::Process32NextW(ToHandle(snapshot), &record), record, entry);
}

bool Win32ProcessApi::ListProcesses(std::vector<ProcessRecord>* processes) {
    NTSTATUS status;
    for (;;) {
        ULONG needed = 0;
        const ULONG bytes = static_cast<ULONG>(listing_.size() * sizeof listing_[0]);
        status = ::NtQuerySystemInformation(SystemProcessInformation, listing_.data(), bytes, &needed);
        if (status != kStatusInfoLengthMismatch) break;
        // Room for processes started between the two calls, too.
        listing_.resize((std::max<std::size_t>(needed, bytes) + kListingSlack) / sizeof listing_[0]);
    }
    processes->clear();
    if (status < 0) return false;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(listing_.data());
    for (std::size_t offset = 0;;) {
        const auto& entry = *reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(bytes + offset);
        processes->push_back({static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(entry.UniqueProcessId)),
                              static_cast<std::uint64_t>(entry.CreateTime.QuadPart)});
        if (entry.NextEntryOffset == 0) return true;
        offset += entry.NextEntryOffset;
    }
}

// Asked with no room at all, the system counts the room the listing needs instead of
// listing: under Wine a listing reads /proc for every process and thread, the count does
// not. One request is all a tick can afford there (each costs about 35 us of CPU).
bool Win32ProcessApi::ProcessTableFingerprint(std::uint64_t* fingerprint) {
    ULONG needed = 0;
    if (::NtQuerySystemInformation(SystemProcessInformation, nullptr, 0, &needed) != kStatusInfoLengthMismatch)
        return false;
    *fingerprint = needed;
    return true;
}

KernelHandle Win32ProcessApi::OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) {
    return FromHandle(::OpenProcess(access, inherit ? TRUE : FALSE, processId));
}

bool Win32ProcessApi::EnumProcessModuleHandles(KernelHandle process, Module* modules, std::uint32_t bytes,
                                               std::uint32_t* bytesNeeded) {
    std::vector<HMODULE> handles(bytes / sizeof(HMODULE));
    DWORD needed = 0;
    const BOOL ok = ::EnumProcessModules(ToHandle(process), handles.data(),
                                         static_cast<DWORD>(handles.size() * sizeof(HMODULE)), &needed);
    *bytesNeeded = needed;
    if (!ok) return false;
    for (std::size_t i = 0; i < handles.size() && i * sizeof(HMODULE) < needed; ++i)
        modules[i] = FromHmodule(handles[i]);
    return true;
}

std::uint32_t Win32ProcessApi::GetModuleFileNameExW(KernelHandle process, Module module, wchar_t* buffer,
                                                    std::uint32_t size) {
    return ModuleFileName(ToHandle(process), ToHmodule(module), buffer, size);
}

bool Win32ProcessApi::QueryFullProcessImageNameW(KernelHandle process, std::wstring* path) {
    return ImagePath(ToHandle(process), path);
}

bool Win32ProcessApi::GetProcessCreationTime(KernelHandle process, std::uint64_t* creationTime) {
    FILETIME creation = {}, exit = {}, kernel = {}, user = {};
    if (!::GetProcessTimes(ToHandle(process), &creation, &exit, &kernel, &user)) return false;
    *creationTime = (static_cast<std::uint64_t>(creation.dwHighDateTime) << 32) | creation.dwLowDateTime;
    return true;
}

bool Win32ProcessApi::TerminateProcess(KernelHandle process, std::uint32_t exitCode) {
    return ::TerminateProcess(ToHandle(process), exitCode) != FALSE;
}

bool Win32ProcessApi::CloseHandle(KernelHandle handle) { return ::CloseHandle(ToHandle(handle)) != FALSE; }

bool Win32ProcessApi::StartCommandLine(const std::wstring& commandLine, int showState) {
    if (commandLine.empty()) return false;
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showState);
    PROCESS_INFORMATION started = {};
    if (!::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &started))
        return false;
    UniqueHandle process(started.hProcess);
    UniqueHandle thread(started.hThread);
    return true;
}
