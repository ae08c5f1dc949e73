#include "suppress/AutorunTermination.h"

#include "suppress/AutorunInf.h"
#include "suppress/ProcessScan.h"
#include "suppress/TerminationWindow.h"

void AutorunTermination::Start(const std::wstring& sRoot) {
    ReadAutorunProgramName(sRoot);
    // The window guards the disc that opened it, whatever drive is reported after it.
    m_sTerminateDrive = sRoot;
    m_lTerminateStart = static_cast<std::int32_t>(processes_.GetTickCount());
}

bool AutorunTermination::Tick() {
    TerminateAutorunProcess(m_sAutorunProgram);
    return !TerminationWindowOver(static_cast<std::uint32_t>(m_lTerminateStart), processes_.GetTickCount());
}

// On any failure the name of the previous disc stays in force.
void AutorunTermination::ReadAutorunProgramName(const std::wstring& sRoot) {
    std::vector<std::uint8_t> bytes;
    const long error = files_.ReadWholeFile(sRoot + L"autorun.inf", kMaxAutorunInfChars, &bytes);
    if (error != kErrorSuccess) return;
    if (const std::optional<std::wstring> name = ParseAutorunProgramName(text_, bytes)) m_sAutorunProgram = *name;
}

void AutorunTermination::TerminateAutorunProcess(const std::wstring& sName) {
    const AutorunTarget target{sName, m_sTerminateDrive};
    const std::uint32_t platformId = GetPlatformId();
    if (platformId == kPlatformNt && !m_processTable.MustList(processes_, target)) return;
    const std::optional<std::uint32_t> killed = TerminateAutorunProcessScan(
        processes_, text_, platformId, target, &m_processPaths,
        [this](std::uint32_t lProcessId) { KillProcessById(lProcessId); });
    // A program killed now and started again before the next tick leaves the table's
    // fingerprint as it was, so the tick after a kill lists whatever the fingerprint says.
    m_processTable.Listed(!killed && m_processPaths.Complete());
}

void AutorunTermination::KillProcessById(std::uint32_t lProcessId) {
    UniqueProcessHandle process(processes_.OpenProcess(kProcessTerminate, false, lProcessId), processes_);
    if (process) processes_.TerminateProcess(process.Get(), 0);
}
