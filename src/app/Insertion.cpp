#include "app/Form1.h"
#include "drives/DriveList.h"
#include "suppress/DefaultDvdCommand.h"
#include "suppress/InsertionDecision.h"
#include "suppress/ShiftKey.h"

void Form1::ReportArrival(const std::wstring& sPath) {
    if (sPath.empty()) return;
    // An unchanged text raises no change event, yet every report must be handled.
    if (sPath == Text1.Text())
        Text1_Change();
    else
        Text1.SetText(sPath);
}

void Form1::Text1_Change() {
    ReleaseShiftKey();
    Timer6.SetEnabled(false);
    if (m_bInCheckClick) return;
    FindArrivalDrive();
    InsertionState state;
    state.root = Text1.Text();
    state.blocking = Check[1].Value() != 0;
    state.driveListed = m_bDriveListed;
    state.driveSelected = m_bDriveListed && List1.Selected(m_iDriveListIndex);
    state.allDrives = Check[2].Value() != 0;
    state.shiftMethod = Check[3].Value() != 0 && Check[4].Value() != 0;
    state.runDefaultProgram = Check1.Value() != 0;
    const InsertionAction action = DecideInsertion(state, m_platform.files, m_platform.text);
    if (action.holdShift) HoldShiftKey();
    if (action.terminateAutorun) StartAutorunTermination();
    if (action.runDefaultProgram) RunDefaultDvdCommand();
}

void Form1::FindArrivalDrive() {
    const std::optional<int> index = FindDriveEntry(DriveEntries(), Text1.Text());
    m_bDriveListed = index.has_value();
    if (index) m_iDriveListIndex = static_cast<std::int16_t>(*index);
}

void Form1::HoldShiftKey() {
    if (Check[3].Value() == 0) return;
    Timer6.SetEnabled(false);
    PressShiftKey(m_platform.keyboard);
    Timer6.SetEnabled(true);
}

void Form1::Timer6_Timer() {
    ReleaseShiftKey();
    Timer6.SetEnabled(false);
}

void Form1::ReleaseShiftKey() { ::ReleaseShiftKey(m_platform.keyboard); }

void Form1::StartAutorunTermination() {
    // Restarting the timer discards a window already running: the new one counts from now.
    // Its ticks may run on another thread, so the timer stops before the window changes.
    Timer1.SetEnabled(false);
    m_termination.Start(Text1.Text());
    Timer1.SetEnabled(true);
}

void Form1::Timer1_Timer() {
    if (!m_termination.Tick()) Timer1.SetEnabled(false);
}

bool Form1::RunDefaultDvdCommand() { return ::RunDefaultDvdCommand(m_platform.registry, m_platform.processes); }
