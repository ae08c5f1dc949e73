#include "harness/ProcessResources.h"

#include <psapi.h>

namespace {

// Handle values are multiples of 4, handed out lowest first; this covers thousands more
// than the program holds, so a leak shows long before it could run past the end.
constexpr ULONG_PTR kLastProbedHandle = 0x10000;

unsigned long CountHandles() {
    unsigned long count = 0;
    for (ULONG_PTR value = 4; value <= kLastProbedHandle; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<unsigned long*>(count);
    return TRUE;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<unsigned long*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

unsigned long CountHeapBlocksInUse() {
    unsigned long blocks = 0;
    PROCESS_HEAP_ENTRY entry{};
    HeapLock(GetProcessHeap());
    while (HeapWalk(GetProcessHeap(), &entry)) blocks += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
    HeapUnlock(GetProcessHeap());
    return blocks;
}

}  // namespace

ProcessResources MeasureThisProcess() {
    ProcessResources resources;
    resources.handles = CountHandles();
    SetLastError(ERROR_SUCCESS);
    resources.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    resources.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    resources.guiCounted = GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
    EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&resources.windows));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory))
        resources.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    resources.heapBlocks = CountHeapBlocksInUse();
    return resources;
}
