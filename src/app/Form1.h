#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/controls/CheckBox.h"
#include "app/controls/Image.h"
#include "app/controls/ListBox.h"
#include "app/controls/TextBox.h"
#include "app/controls/Timer.h"
#include "platform/FormPeer.h"
#include "platform/Platform.h"
#include "settings/SettingsStore.h"
#include "suppress/ProcessPathCache.h"
#include "tray/FrmSystray.h"

// The record of one volume query.
struct VolumeInfo {
    std::uint32_t SerialNumber = 0;
    std::wstring VolumeName;
    std::wstring FileSystemName;
};

// The main window: owner of the options, the drive list, the timers and the tray icon.
// Its handlers are spread over the subsystem folders, one concern per file.
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
    Timer Timer1{1};
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

    // Shell-notification detection.
    void subclassit();
    void unsubclassit();
    void NotificationReceipt(std::uintptr_t wParam, std::intptr_t lParam);
    std::intptr_t WindowProc(Window hWnd, std::uint32_t uMsg, std::uintptr_t wParam,
                             std::intptr_t lParam);
    bool HookWindowProc(Window hWnd);
    bool UnhookWindowProc(Window hWnd);
    bool RegisterShellNotify(Window hWnd);
    bool DeregisterShellNotify();
    ItemList GetSpecialFolderItem(Window hOwner, int folder);
    std::wstring GetItemDisplayName(ItemList pidl);
    std::wstring GetItemPath(ItemList pidl);
    std::uint32_t m_hShellNotify = 0;
    ItemList m_pidlDesktop = 0;

    // Volume polling.
    void Timer7_Timer();
    void PollDrives();
    void SnapshotDriveLabels();
    std::wstring GetVolumeLabel(const std::wstring& sDrive);
    VolumeInfo GetVolumeInfo(const std::wstring& sDrive);
    std::array<std::wstring, 6> m_sDriveLabels;

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
    void ReadAutorunProgramName();
    void Timer1_Timer();
    void TerminateAutorunProcess(const std::wstring& sName);
    void KillProcessById(std::uint32_t lProcessId);
    std::uint32_t GetPlatformId();
    std::wstring m_sAutorunProgram;
    std::int32_t m_lTerminateStart = 0;
    std::wstring m_sTerminateDrive;  // root of the disc whose program the window ends
    ProcessPathCache m_processPaths;

    // Default DVD command. False when nothing could be started.
    bool RunDefaultDvdCommand();

private:
    Window WindowHandle() const { return m_form ? m_form->WindowHandle() : 0; }
    void ReleaseShiftKey();
    bool IsNormalState() const;

    Platform& m_platform;
    SettingsStore m_settings;
    FormPeer* m_form = nullptr;
    bool m_bChangingState = false;
    bool m_bResizedOnce = false;
    bool m_bExited = false;

    // Shell-notification detection.
    // WindowProc's address as the system calls it; made on the first hook and kept.
    WindowProcedure m_hookProcedure = 0;
    // Cancels a shell registration still held when the window object goes away.
    struct ShellNotifyGuard {
        Form1& owner;
        ~ShellNotifyGuard();
    };
    ShellNotifyGuard m_shellNotifyGuard{*this};
};
