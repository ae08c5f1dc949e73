#include "app/Form1.h"
#include "suppress/AutorunInf.h"
#include "suppress/ProcessScan.h"
#include "suppress/TerminationWindow.h"

void Form1::StartAutorunTermination() {
    ReadAutorunProgramName();
    // The window guards the disc that opened it, whatever drive is reported after it.
    m_sTerminateDrive = Text1.Text();
    // Restarting the timer discards a window already running: the new one counts from now.
    Timer1.SetEnabled(false);
    m_lTerminateStart = static_cast<std::int32_t>(m_platform.processes.GetTickCount());
    Timer1.SetEnabled(true);
}

// On any failure the name of the previous disc stays in force.
void Form1::ReadAutorunProgramName() {
    std::vector<std::uint8_t> bytes;
    const long error =
        m_platform.files.ReadWholeFile(Text1.Text() + L"autorun.inf", kMaxAutorunInfChars, &bytes);
    if (error != kErrorSuccess) return;
    if (const std::optional<std::wstring> name = ParseAutorunProgramName(m_platform.text, bytes))
        m_sAutorunProgram = *name;
}

// A kill does not end the window: a program started again from the disc dies again.
void Form1::Timer1_Timer() {
    TerminateAutorunProcess(m_sAutorunProgram);
    if (TerminationWindowOver(static_cast<std::uint32_t>(m_lTerminateStart),
                              m_platform.processes.GetTickCount()))
        Timer1.SetEnabled(false);
}

void Form1::TerminateAutorunProcess(const std::wstring& sName) {
    TerminateAutorunProcessScan(m_platform.processes, m_platform.text, GetPlatformId(),
                                {sName, m_sTerminateDrive}, &m_processPaths,
                                [this](std::uint32_t lProcessId) { KillProcessById(lProcessId); });
}

void Form1::KillProcessById(std::uint32_t lProcessId) {
    ProcessApi& processes = m_platform.processes;
    UniqueProcessHandle process(processes.OpenProcess(kProcessTerminate, false, lProcessId), processes);
    if (process) processes.TerminateProcess(process.Get(), 0);
}

std::uint32_t Form1::GetPlatformId() { return m_platform.processes.GetPlatformId(); }
