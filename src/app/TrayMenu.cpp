#include "app/Form1.h"

void Form1::BuildTrayMenu() {
    m_frmSysTray = std::make_unique<FrmSystray>(m_platform.ui, m_platform.system);
    m_frmSysTray->SysTrayMouseDown = [this](std::int32_t eButton) {
        m_frmSysTray_SysTrayMouseDown(eButton);
    };
    m_frmSysTray->MenuClick = [this](std::int32_t lIndex, const std::wstring& sKey) {
        m_frmSysTray_MenuClick(lIndex, sKey);
    };
    m_frmSysTray->AddMenuItem(L"&Open", L"show", false);
    m_frmSysTray->AddMenuItem(L"-", L"", false);
    m_frmSysTray->AddMenuItem(L"&Homepage", L"homepage", false);
    m_frmSysTray->AddMenuItem(L"&About", L"About", false);
    m_frmSysTray->AddMenuItem(L"-", L"", false);
    m_frmSysTray->AddMenuItem(L"&Exit", L"exit", false);
    m_frmSysTray->SetToolTip(L"Trayhush");
    UpdateTrayIcon();
}

void Form1::UpdateTrayIcon() {
    const Image& image = Check[1].Value() != 0 ? Imge[1] : Imge[0];
    if (m_frmSysTray) m_frmSysTray->SetIconHandle(image.picture);
    if (m_form) m_form->SetIcon(image.picture, image.largePicture);
}

void Form1::m_frmSysTray_SysTrayMouseDown(std::int32_t eButton) {
    if (eButton == kMkRButton && m_frmSysTray) m_frmSysTray->ShowMenu();
    else if (eButton == kMkLButton) ToggleMainWindow();
}

void Form1::m_frmSysTray_MenuClick(std::int32_t /*lIndex*/, const std::wstring& sKey) {
    if (sKey == L"show") RestoreFromTray();
    else if (sKey == L"homepage") OpenHomePage();
    else if (sKey == L"About") About_Click();
    else if (sKey == L"exit") {
        // The exit routine deletes this tray component, whose menu is still running here
        // (and, with the About box open, the menu that opened it): it runs once the message
        // loop has ended.
        if (m_form) m_form->EndMessageLoop();
    }
}
