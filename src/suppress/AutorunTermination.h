#pragma once
#include <cstdint>
#include <string>

#include "platform/FileSystemApi.h"
#include "platform/ProcessApi.h"
#include "platform/TextApi.h"
#include "suppress/ProcessPathCache.h"
#include "suppress/ProcessTableWatch.h"

// The termination window: for a minute after a disc arrives, every tick ends the program
// that the disc's autorun.inf names if it runs from that disc.
class AutorunTermination {
public:
    AutorunTermination(ProcessApi& processes, FileSystemApi& files, TextApi& text)
        : processes_(processes), files_(files), text_(text) {}

    // A window for the disc whose root is sRoot, counted from now. It replaces any window
    // still running; the previous disc's program name stays when this one's cannot be read.
    void Start(const std::wstring& sRoot);
    // One tick's scan; false once the window is over. A kill does not end the window: a
    // program started again from the disc dies again.
    bool Tick();

    void ReadAutorunProgramName(const std::wstring& sRoot);
    void TerminateAutorunProcess(const std::wstring& sName);
    void KillProcessById(std::uint32_t lProcessId);
    std::uint32_t GetPlatformId() { return processes_.GetPlatformId(); }

    std::wstring m_sAutorunProgram;
    std::int32_t m_lTerminateStart = 0;
    std::wstring m_sTerminateDrive;  // root of the disc whose program the window ends

private:
    ProcessApi& processes_;
    FileSystemApi& files_;
    TextApi& text_;
    ProcessPathCache m_processPaths;
    ProcessTableWatch m_processTable;
};
