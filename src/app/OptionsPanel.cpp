#include "app/Form1.h"

void Form1::Check_Click(int Index) {
    m_bInCheckClick = true;
    if (Index == 2) {
        m_settings.WriteNumber(L"AllDrives", Check[2].Value());
        const bool enable = Check[2].Value() == 0;
        Frame[1].SetEnabled(enable);
        List1.SetEnabled(enable);
    }
    if (Index == 0) ApplyStartWithWindows();
    // During start-up "Enable Blocking" is only being restored, not changed by the user.
    if (Index == 1 && m_bSettingsLoaded) UpdateTrayIcon();
    if (Index == 1 && m_bSettingsLoaded) m_settings.WriteNumber(L"Disabled", Check[1].Value() != 0 ? 0 : 1);
    if (Index == 3) {
        if (Check[3].Value() != 0)
            unsubclassit();
        else
            subclassit();
        m_settings.WriteNumber(L"DetectionMethod", Check[3].Value());
    }
    if (Index == 4) m_settings.WriteNumber(L"BlockMethod", Check[4].Value());
    m_bInCheckClick = false;
}

void Form1::Check1_Click() {
    m_settings.WriteNumber(L"RunDefaultAutorunProgram", Check1.Value() != 0 ? 0 : 1);
}

void Form1::ApplyStartWithWindows() {
    if (Check[0].Value() != 0)
        AddStartupEntry();
    else
        RemoveStartupEntry();
}

void Form1::AddStartupEntry() {
    // A drive root keeps its own backslash, so C:\ gives "C:\\Trayhush.exe".
    m_settings.WriteRunEntry(L"\"" + m_platform.system.ExecutableFolder() + L"\\Trayhush.exe\"");
}

void Form1::RemoveStartupEntry() { m_settings.RemoveRunEntry(); }
