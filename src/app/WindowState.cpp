#include <cmath>

#include "about/Abouts.h"
#include "app/Form1.h"

namespace {

// Twips as whole numbers, halves to even, then halved with the remainder dropped.
long HalfOfRounded(double twips) { return static_cast<long>(std::nearbyint(twips)) / 2; }

}  // namespace

void Form1::RestoreFromTray() {
    m_bChangingState = true;
    if (m_form) {
        m_form->Show();
        m_form->SetMinimized(false);
        const long left = HalfOfRounded(m_form->ScreenWidth()) - HalfOfRounded(m_form->Width());
        const long top = HalfOfRounded(m_form->ScreenHeight()) - HalfOfRounded(m_form->Height());
        m_form->Move(static_cast<int>(left), static_cast<int>(top));
        m_form->BringToFront();
        m_form->ShowInTaskList(true);
    }
    m_bChangingState = false;
}

void Form1::MinimizeToTray() {
    m_bChangingState = true;
    if (m_form) {
        m_form->SetMinimized(true);
        m_form->Hide();
        m_form->ShowInTaskList(false);
    }
    m_bChangingState = false;
}

void Form1::ToggleMainWindow() {
    m_bChangingState = true;
    if (m_form) {
        if (!m_form->IsMinimized())
            MinimizeToTray();
        else
            RestoreFromTray();
    }
    m_bChangingState = false;
}

void Form1::Form_Resize() {
    if (!m_bResizedOnce) {
        m_bResizedOnce = true;
        MinimizeToTray();
        return;
    }
    if (!m_bSettingsLoaded || !m_form) return;
    if (!m_form->IsMinimized() && !m_bChangingState) RestoreFromTray();
    if (m_form->IsMinimized() && !m_bChangingState) MinimizeToTray();
}

void Form1::About_Click() {
    // The About box is made anew for every showing.
    Abouts about(m_platform.shell, m_platform.system);
    m_platform.ui.ShowAboutModal(about);
}

void Form1::OpenHomePage() { ::OpenHomePage(m_platform.shell); }
