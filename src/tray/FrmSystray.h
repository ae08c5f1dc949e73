#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/SystemApi.h"
#include "platform/windowing/TrayApi.h"
#include "platform/windowing/UiApi.h"

// Raised by AddMenuItem when an item would need an index beyond 32767.
struct MenuIndexOverflow {};

// The notification-area icon: a hidden window of its own that holds the icon record,
// turns the shell's mouse callbacks into events and owns a popup menu of keyed items.
class FrmSystray : public TrayWindowEvents {
public:
    FrmSystray(UiApi& ui, SystemApi& system);
    ~FrmSystray() override;
    FrmSystray(const FrmSystray&) = delete;
    FrmSystray& operator=(const FrmSystray&) = delete;

    std::wstring ToolTip();
    void SetToolTip(const std::wstring& sTip);
    Icon IconHandle();
    void SetIconHandle(Icon hIcon);
    std::int32_t AddMenuItem(const std::wstring& sCaption, const std::wstring& sKey = L"",
                             bool bDefault = false);
    void ShowMenu();
    // Closes the window, which deletes the icon.
    void Unload();

    void OnCallback(std::uint32_t mouseMessage) override;
    void OnTaskbarCreated() override;
    // The window always agrees to close, and takes its icon with it.
    void OnClose() override { Unload(); }

    std::function<void(std::int32_t eButton)> SysTrayMouseDown;
    std::function<void(std::int32_t eButton)> SysTrayMouseUp;
    std::function<void()> SysTrayMouseMove;
    std::function<void(std::int32_t eButton)> SysTrayDoubleClick;
    std::function<void(std::int32_t lIndex, const std::wstring& sKey)> MenuClick;

    const NotifyIconRecord& IconRecord() const { return m_nid; }
    bool Loaded() const { return window_ != nullptr; }

    static constexpr std::uint32_t kIconRecordSize = kNotifyIconDataV1Size32;

private:
    struct MenuElement {
        std::wstring caption;
        std::wstring tag;
        bool visible = false;
    };
    void Load();
    void Modify(std::uint32_t flags);

    UiApi& ui_;
    SystemApi& system_;
    std::unique_ptr<TrayWindowPeer> window_;
    // The closed window's object: its procedure may still be on the stack (a close that
    // comes while its menu, or an About box opened from it, is up), so it goes with this.
    std::unique_ptr<TrayWindowPeer> closedWindow_;
    bool unloaded_ = false;
    NotifyIconRecord m_nid;
    bool m_bItemAdded = false;
    std::int32_t m_lDefaultIndex = 0;
    std::vector<MenuElement> mnuSysTray{MenuElement{}};
};
