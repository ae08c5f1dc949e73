// Dies of a crash under the program's crash guard, with or without Shift held through the
// program's keyboard layer:
//   th_crash_holding_shift access-violation|terminate hold|leave <event name>
// It signals <event name>.ready once Shift is where it should be and crashes when
// <event name>.go is set. Whatever was in place before the guard ends the process with
// its own exit code, so the test can tell that the guard handed the crash on; here that is
// a quiet end instead of a crash dialog that nobody would answer.
#include <windows.h>

#include <cstdint>
#include <exception>
#include <string>

#include "platform/win32/CrashGuard.h"
#include "platform/win32/Win32KeyboardApi.h"

namespace {

constexpr UINT kEndedByEarlierFilter = 41;
constexpr UINT kEndedByEarlierTerminateHandler = 42;
constexpr int kUsage = 2;
constexpr int kNoGo = 3;
constexpr DWORD kGoTimeoutMs = 30000;

LONG WINAPI EndAfterUnhandledException(EXCEPTION_POINTERS*) {
    TerminateProcess(GetCurrentProcess(), kEndedByEarlierFilter);
    return EXCEPTION_EXECUTE_HANDLER;
}

void EndAfterTerminate() { TerminateProcess(GetCurrentProcess(), kEndedByEarlierTerminateHandler); }

void AccessViolation() {
    // Read through volatile, so that the compiler cannot see the null and make a trap of it.
    volatile std::uintptr_t address = 0;
    *reinterpret_cast<volatile int*>(address) = 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) return kUsage;
    const std::wstring crash = argv[1];
    const std::wstring shift = argv[2];
    const std::wstring events = argv[3];
    if ((crash != L"access-violation" && crash != L"terminate") || (shift != L"hold" && shift != L"leave"))
        return kUsage;

    SetUnhandledExceptionFilter(EndAfterUnhandledException);
    std::set_terminate(EndAfterTerminate);
    const CrashGuard guard;

    Win32KeyboardApi keyboard;
    if (shift == L"hold") keyboard.keybd_event(kVkShift, 0, 0, 0);
    const HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, (events + L".ready").c_str());
    const HANDLE go = OpenEventW(SYNCHRONIZE, FALSE, (events + L".go").c_str());
    if (!ready || !go) return kUsage;
    SetEvent(ready);
    if (WaitForSingleObject(go, kGoTimeoutMs) != WAIT_OBJECT_0) return kNoGo;

    if (crash == L"terminate") std::terminate();
    AccessViolation();
    return 0;
}
