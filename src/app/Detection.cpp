#include "app/Form1.h"

void Form1::subclassit() {
    Timer7.SetEnabled(false);
    // The Shift-key method needs polling; its value is kept for when polling returns.
    Check[4].SetEnabled(false);
    if (m_windowHook.HookWindowProc(WindowHandle())) m_shellNotification.RegisterShellNotify(WindowHandle());
}

// Every step runs whatever the one before it did, so the program can always fall back
// to polling and always leaves the window as it found it.
void Form1::unsubclassit() {
    Timer7.SetEnabled(true);
    // A termination in progress belongs to the method that is being left.
    Timer1.SetEnabled(false);
    Check[4].SetEnabled(true);
    m_shellNotification.DeregisterShellNotify();
    m_windowHook.UnhookWindowProc(WindowHandle());
}

void Form1::NotificationReceipt(std::uintptr_t wParam, std::intptr_t lParam) {
    ReportArrival(m_shellNotification.InsertedPath(wParam, lParam));
}

void Form1::Timer7_Timer() { PollDrives(); }

void Form1::PollDrives() {
    m_volumePoller.PollDrives(DriveEntries(), [this](const std::wstring& sPath) { ReportArrival(sPath); });
}

void Form1::SnapshotDriveLabels() { m_volumePoller.SnapshotDriveLabels(DriveEntries()); }
