#include "app/Form1.h"

// Start-up applies every stored option in a fixed order. A step that fails is skipped
// and the next one runs: a bad value or a refused write never stops the program.
bool Form1::Form_Load() {
    if (!m_platform.system.ClaimSingleInstance()) return false;

    Check[1].SetValue(m_settings.ReadNumber(L"Disabled", 0) == 0 ? 1 : 0);
    BuildTrayMenu();
    if (!m_bSettingsLoaded) FillDriveList();
    Check[3].SetValue(m_settings.ReadNumber(L"DetectionMethod", 0));
    Check[4].SetValue(m_settings.ReadNumber(L"BlockMethod", 0));
    Check1.SetValue(m_settings.ReadNumber(L"RunDefaultAutorunProgram", 0) == 0 ? 1 : 0);
    if (Check[3].Value() == 0 && !m_bSettingsLoaded) subclassit();
    if (Check[3].Value() == 1 && !m_bSettingsLoaded) {
        SnapshotDriveLabels();
        unsubclassit();
    }
    LoadDriveSelection();
    Check[2].SetValue(m_settings.ReadNumber(L"AllDrives", 1));
    List1.SetListIndex(-1);
    Check[0].SetValue(m_settings.ReadRunEntry().empty() ? 0 : 1);
    m_bSettingsLoaded = true;
    return true;
}

void Form1::Form_Unload() { ender(); }

void Form1::ender() {
    if (m_bExited) return;
    m_bExited = true;
    if (m_frmSysTray) m_frmSysTray->Unload();
    m_releasedSysTray = std::move(m_frmSysTray);
    unsubclassit();
    // A Shift key still held by the Shift-key method must not outlive the program.
    ReleaseShiftKey();
    // Nothing may tick into a window that is going away.
    Timer1.SetEnabled(false);
    Timer6.SetEnabled(false);
    Timer7.SetEnabled(false);
    if (m_form) m_form->UnloadAllWindows();
}
