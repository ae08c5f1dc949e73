#include "tray/FrmSystray.h"

#include "tray/TipField.h"
#include "tray/TrayCallback.h"

FrmSystray::FrmSystray(UiApi& ui, SystemApi& system) : ui_(ui), system_(system) {}

FrmSystray::~FrmSystray() { Unload(); }

void FrmSystray::Load() {
    if (window_ || unloaded_) return;
    window_ = ui_.CreateTrayWindow(*this);
    const Icon icon = window_->WindowIcon();
    m_nid.hWnd = window_->WindowHandle();
    m_nid.uID = static_cast<std::uint32_t>(icon.value);
    m_nid.uFlags = kNifMessage | kNifIcon | kNifTip;
    m_nid.uCallbackMessage = kTrayCallbackMessage;
    m_nid.hIcon = icon;
    m_nid.szTip = MakeTipField(system_.FileDescription());
    m_nid.cbSize = kIconRecordSize;
    window_->Shell_NotifyIconA(kNimAdd, m_nid);
}

void FrmSystray::Modify(std::uint32_t flags) {
    m_nid.uFlags = flags;
    if (window_) window_->Shell_NotifyIconA(kNimModify, m_nid);
}

std::wstring FrmSystray::ToolTip() {
    Load();
    return TipFieldText(m_nid.szTip);
}

void FrmSystray::SetToolTip(const std::wstring& sTip) {
    Load();
    const std::wstring field = MakeTipField(sTip);
    if (TipFieldText(field) == TipFieldText(m_nid.szTip)) return;
    m_nid.szTip = field;
    Modify(kNifTip);
}

Icon FrmSystray::IconHandle() {
    Load();
    return m_nid.hIcon;
}

void FrmSystray::SetIconHandle(Icon hIcon) {
    Load();
    if (hIcon == m_nid.hIcon) return;
    m_nid.hIcon = hIcon;
    Modify(kNifIcon);
}

std::int32_t FrmSystray::AddMenuItem(const std::wstring& sCaption, const std::wstring& sKey,
                                     bool bDefault) {
    Load();
    std::int32_t index = 0;
    if (!m_bItemAdded) {
        m_bItemAdded = true;
    } else {
        index = static_cast<std::int32_t>(mnuSysTray.size());
        // Item indexes are 16-bit.
        if (index > 32767) throw MenuIndexOverflow{};
        mnuSysTray.emplace_back();
    }
    MenuElement& element = mnuSysTray[index];
    element.visible = true;
    element.tag = sKey;
    element.caption = sCaption;
    if (bDefault) m_lDefaultIndex = index;
    return index;
}

void FrmSystray::ShowMenu() {
    Load();
    if (!window_) return;
    window_->SetForegroundWindow();
    std::vector<TrayMenuItem> items;
    items.reserve(mnuSysTray.size());
    for (const MenuElement& element : mnuSysTray) items.push_back({element.caption, element.visible});
    const int chosen = window_->TrackPopupMenu(items, m_lDefaultIndex);
    if (chosen < 0 || chosen >= static_cast<int>(mnuSysTray.size())) return;
    if (MenuClick) MenuClick(chosen, mnuSysTray[chosen].tag);
}

void FrmSystray::Unload() {
    if (!window_) return;
    window_->Shell_NotifyIconA(kNimDelete, m_nid);
    window_->Close();
    closedWindow_ = std::move(window_);
    unloaded_ = true;
}

void FrmSystray::OnCallback(std::uint32_t mouseMessage) {
    const TrayCallback callback = DecodeTrayCallback(mouseMessage);
    switch (callback.event) {
        case TrayEvent::MouseMove:
            if (SysTrayMouseMove) SysTrayMouseMove();
            break;
        case TrayEvent::MouseDown:
            if (SysTrayMouseDown) SysTrayMouseDown(callback.button);
            break;
        case TrayEvent::MouseUp:
            if (SysTrayMouseUp) SysTrayMouseUp(callback.button);
            break;
        case TrayEvent::DoubleClick:
            if (SysTrayDoubleClick) SysTrayDoubleClick(callback.button);
            break;
        case TrayEvent::None:
            break;
    }
}

void FrmSystray::OnTaskbarCreated() {
    if (!window_) return;
    NotifyIconRecord again = m_nid;
    again.uFlags = kNifMessage | kNifIcon | kNifTip;
    window_->Shell_NotifyIconA(kNimAdd, again);
}
