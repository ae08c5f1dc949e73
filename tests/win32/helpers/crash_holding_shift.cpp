// Dies of a crash under the program's crash guard, with or without Shift held through the
// program's keyboard layer:
//   th_crash_holding_shift access-violation|terminate hold|leave
// Whatever was in place before the guard ends the process with its own exit code, so the
// test can tell that the guard handed the crash on; here that is a quiet end instead of a
// crash dialog that nobody would answer.
#include <windows.h>

#include <cstdint>
#include <exception>
#include <string>

#include "runtime/CrashGuard.h"
#include "platform/win32/Win32KeyboardApi.h"

namespace {

constexpr UINT kEndedByEarlierFilter = 41;
constexpr UINT kEndedByEarlierTerminateHandler = 42;

LONG WINAPI EndAfterUnhandledException(EXCEPTION_POINTERS*) {
    TerminateProcess(GetCurrentProcess(), kEndedByEarlierFilter);
    return EXCEPTION_EXECUTE_HANDLER;
}

void EndAfterTerminate() { TerminateProcess(GetCurrentProcess(), kEndedByEarlierTerminateHandler); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    SetUnhandledExceptionFilter(EndAfterUnhandledException);
    std::set_terminate(EndAfterTerminate);
    const CrashGuard guard;
    Win32KeyboardApi keyboard;
    if (std::wstring(argv[2]) == L"hold") keyboard.keybd_event(kVkShift, 0, 0, 0);
    if (std::wstring(argv[1]) == L"terminate") std::terminate();
    // Written through volatile, so that the compiler cannot see the null and make a trap of it.
    volatile std::uintptr_t address = 0;
    *reinterpret_cast<volatile int*>(address) = 1;
    return 0;
}
