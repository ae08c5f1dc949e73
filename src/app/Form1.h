#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/controls/CheckBox.h"
#include "app/controls/Image.h"
#include "app/controls/ListBox.h"
#include "app/controls/TextBox.h"
#include "app/controls/Timer.h"
#include "detect/ShellNotification.h"
#include "detect/VolumePoller.h"
#include "detect/WindowHook.h"
#include "platform/windowing/FormPeer.h"
#include "platform/windowing/Platform.h"
#include "settings/SettingsStore.h"
#include "suppress/AutorunTermination.h"
#include "tray/FrmSystray.h"

// The main window: owner of the options, the drive list, the timers and the tray icon. Its
// handlers, one concern per file, hand the work to the subsystems' own classes.
class Form1 {
public:
    explicit Form1(Platform& platform);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The real window, once it exists; without one the window operations do nothing.
    void Bind(FormPeer* peer);

    // Controls.
    std::array<CheckBox, 5> Check;  // 0 start with Windows, 1 enable blocking, 2 all drives,
                                    // 3 detection method two, 4 block method two
    CheckBox Check1;                // run the default DVD program
    ListBox List1;
    TextBox Text1;
    Timer Timer1{1};  // the termination window; its tick touches no control
    Timer Timer6{30000};
    Timer Timer7{1};
    std::array<GroupFrame, 3> Frame;
    std::array<Image, 2> Imge;  // 0 red (blocking off), 1 green (blocking on)

    // Shared members.
    bool m_bSettingsLoaded = false;
    bool m_bInCheckClick = false;
    std::unique_ptr<FrmSystray> m_frmSysTray;
    // The component the exit routine released, kept until the window object goes: the
    // routine may run inside one of its calls (a close while an About box from its menu is up).
    std::unique_ptr<FrmSystray> m_releasedSysTray;

    // Start-up and exit.
    // False when another instance runs: the caller ends at once.
    bool Form_Load();
    void Form_Unload();
    void ender();
    bool Exited() const { return m_bExited; }

    // Main window and tray menu.
    void BuildTrayMenu();
    void UpdateTrayIcon();
    void RestoreFromTray();
    void MinimizeToTray();
    void ToggleMainWindow();
    void Form_Resize();
    void m_frmSysTray_SysTrayMouseDown(std::int32_t eButton);
    void m_frmSysTray_MenuClick(std::int32_t lIndex, const std::wstring& sKey);
    void About_Click();
    void OpenHomePage();

    // Options panel.
    void Check_Click(int Index);
    void Check1_Click();
    void ApplyStartWithWindows();
    void AddStartupEntry();
    void RemoveStartupEntry();

    // Drive list.
    void FillDriveList();
    void LoadDriveSelection();
    void SelectAllDrives();
    void DeselectAllDrives();
    void ApplyDriveSelection();
    void SaveDriveSelection();
    void List1_Click();

    // Detection: exactly one method runs, the shell's notifications or Timer7's polling.
    void subclassit();
    void unsubclassit();
    void NotificationReceipt(std::uintptr_t wParam, std::intptr_t lParam);
    void Timer7_Timer();
    void PollDrives();
    void SnapshotDriveLabels();

    // Insertion handler and the Shift-key method.
    void ReportArrival(const std::wstring& sPath);
    void Text1_Change();
    void FindArrivalDrive();
    void HoldShiftKey();
    void Timer6_Timer();
    bool m_bDriveListed = false;
    std::int16_t m_iDriveListIndex = 0;

    // Autorun process termination.
    void StartAutorunTermination();
    void Timer1_Timer();
    AutorunTermination m_termination;

    // Default DVD command. False when nothing could be started.
    bool RunDefaultDvdCommand();

private:
    Window WindowHandle() const { return m_form ? m_form->WindowHandle() : 0; }
    void ReleaseShiftKey();
    std::vector<std::wstring> DriveEntries() const;

    Platform& m_platform;
    SettingsStore m_settings;
    FormPeer* m_form = nullptr;
    bool m_bChangingState = false;
    bool m_bResizedOnce = false;
    bool m_bExited = false;

    VolumePoller m_volumePoller;
    WindowHook m_windowHook;
    // Last: a registration still held is cancelled before anything else of the window goes.
    ShellNotification m_shellNotification;
};
