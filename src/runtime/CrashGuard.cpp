#include "runtime/CrashGuard.h"

#include <windows.h>

#include <cstdlib>
#include <exception>

#include "platform/win32/Win32KeyboardApi.h"

namespace {

// What ran before the guard; the guard hands every crash on to it.
LPTOP_LEVEL_EXCEPTION_FILTER g_previousFilter = nullptr;
std::terminate_handler g_previousTerminate = nullptr;

LONG WINAPI ReleaseShiftOnUnhandledException(EXCEPTION_POINTERS* exception) {
    Win32KeyboardApi::ReleaseShiftHeldByProcess();
    // The C runtime's own filter stays in charge of the outcome: it lets a C++ throw with no
    // catch go on to std::terminate, and leaves the rest to the system's crash handling.
    return g_previousFilter ? g_previousFilter(exception) : EXCEPTION_CONTINUE_SEARCH;
}

[[noreturn]] void ReleaseShiftOnTerminate() {
    Win32KeyboardApi::ReleaseShiftHeldByProcess();
    if (g_previousTerminate) g_previousTerminate();
    std::abort();
}

}  // namespace

CrashGuard::CrashGuard() {
    g_previousTerminate = std::set_terminate(ReleaseShiftOnTerminate);
    g_previousFilter = SetUnhandledExceptionFilter(ReleaseShiftOnUnhandledException);
}

CrashGuard::~CrashGuard() {
    SetUnhandledExceptionFilter(g_previousFilter);
    std::set_terminate(g_previousTerminate);
    Win32KeyboardApi::ReleaseShiftHeldByProcess();
}
