#pragma once

// While it lives, a process that dies of an unhandled exception or through std::terminate
// first lets go of a Shift key it holds, then dies as it would have without the guard.
// One per process, around everything else in wWinMain.
//
// An unhandled-exception filter and not a vectored handler: a vectored handler also sees
// first-chance exceptions that some frame goes on to handle, when the program is not dying
// and its Shift must stay down.
class CrashGuard {
public:
    CrashGuard();
    // Also lets go of a held Shift when wWinMain is left another way, e.g. by an exception
    // that it catches.
    ~CrashGuard();
    CrashGuard(const CrashGuard&) = delete;
    CrashGuard& operator=(const CrashGuard&) = delete;
};
