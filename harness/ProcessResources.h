#pragma once
#include <windows.h>

// What this process holds of the system's resources, as far as Wine lets it be counted.
struct ProcessResources {
    // Kernel handles, counted by probing: GetProcessHandleCount answers 0 under Wine.
    unsigned long handles = 0;
    // GetGuiResources; guiCounted is false when the system does not count them (Wine's is a
    // stub that answers 0 with ERROR_CALL_NOT_IMPLEMENTED).
    bool guiCounted = false;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    // The windows of this process, the USER objects that can be counted everywhere.
    unsigned long windows = 0;
    // PROCESS_MEMORY_COUNTERS_EX::PrivateUsage, or where that is 0 (Wine leaves it so), the
    // commit charge PagefileUsage, which Windows documents as the same private memory.
    SIZE_T privateBytes = 0;
    // The busy blocks of the process heap, where Wine keeps a file search until it is closed.
    unsigned long heapBlocks = 0;
};

ProcessResources MeasureThisProcess();
