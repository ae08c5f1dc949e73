#include "app/Form1.h"

Form1::Form1(Platform& platform)
    : m_termination(platform.processes, platform.files, platform.text),
      m_platform(platform),
      m_settings(platform.registry, platform.text),
      m_volumePoller(platform.files),
      m_windowHook(platform.hooks, [this](std::uintptr_t wParam, std::intptr_t lParam) {
          NotificationReceipt(wParam, lParam);
      }),
      m_shellNotification(platform.shell) {
    // Initial states before the stored options are applied.
    Check[1].SetValue(1);
    Check[3].SetValue(1);
    Check[4].SetValue(1);
    Check[0].SetCaption(L"Start With Windows");
    Check[1].SetCaption(L"Enable Blocking");
    Check[2].SetCaption(L"Block on All Drives");
    Check[3].SetCaption(L"Disk Entry Detection Method Two");
    Check[4].SetCaption(L"Block Method Two (Requires Detection Type Two)");
    Check1.SetCaption(L"Run Default Autorun Program after DVD insertion");
    Frame[0].SetCaption(L"Options:");
    Frame[1].SetCaption(L"Drives:");
    Frame[2].SetCaption(L"More Options:");

    // Events are wired after the initial states, which raise nothing.
    for (int i = 0; i < static_cast<int>(Check.size()); ++i) Check[i].Click = [this, i] { Check_Click(i); };
    Check1.Click = [this] { Check1_Click(); };
    List1.Click = [this] { List1_Click(); };
    Text1.Change = [this] { Text1_Change(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer6.Tick = [this] { Timer6_Timer(); };
    Timer7.Tick = [this] { Timer7_Timer(); };
}

Form1::~Form1() = default;

void Form1::Bind(FormPeer* peer) { m_form = peer; }

std::vector<std::wstring> Form1::DriveEntries() const {
    std::vector<std::wstring> entries;
    for (int i = 0; i < List1.ListCount(); ++i) entries.push_back(List1.List(i));
    return entries;
}
