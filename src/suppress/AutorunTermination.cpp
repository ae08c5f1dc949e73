#include "app/Form1.h"

// Filled in with the process scan.
void Form1::StartAutorunTermination() {}
void Form1::ReadAutorunProgramName() {}
void Form1::Timer1_Timer() {}
void Form1::TerminateAutorunProcess(const std::wstring&) {}
void Form1::KillProcessById(std::uint32_t) {}
std::uint32_t Form1::GetPlatformId() { return m_platform.processes.GetPlatformId(); }
