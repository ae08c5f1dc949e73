#include "ui/main/MainWindow.h"

#include "ui/main/ButtonPeer.h"
#include "ui/Dpi.h"
#include "ui/main/MainWindowDesign.h"
#include "ui/main/OptionsPanelLayout.h"
#include "ui/main/SignalFieldPeer.h"
#include "runtime/ThreadTimer.h"
#include "ui/UiFont.h"
#include "ui/main/WindowTimer.h"
#include "resource_ids.h"

namespace {

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(PanelControlKind kind) {
    constexpr DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
    switch (kind) {
        case PanelControlKind::CheckBox:
            // Not an auto check box: the model decides the state and shows it in the box.
            return {L"BUTTON", child | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, 0};
        case PanelControlKind::GroupBox:
            return {L"BUTTON", child | WS_VISIBLE | BS_GROUPBOX, 0};
        case PanelControlKind::ListBox:
            return {L"LISTBOX",
                    child | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_MULTIPLESEL | LBS_NOTIFY |
                        LBS_NOINTEGRALHEIGHT,
                    WS_EX_CLIENTEDGE};
        case PanelControlKind::SignalField:
            return {kSignalFieldClass, child, 0};
    }
    return {L"STATIC", child, 0};
}

}  // namespace

HWND MainWindow::CreateControl(int id) {
    const PanelControl* control = PanelControlOf(id);
    if (!control) return nullptr;
    const ControlClass cls = ClassOf(control->kind);
    const std::wstring caption = form_.Caption(control->control);
    const HWND hwnd = CreateWindowExW(cls.exStyle, cls.className, caption.c_str(), cls.style, 0, 0,
                                      0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                      instance_, nullptr);
    if (hwnd) controls_[id] = hwnd;
    return hwnd;
}

void MainWindow::CreatePanel() {
    if (panelCreated_ || !window_) return;
    panelCreated_ = true;
    // Children are added at the end of the tab order: the field made at start-up moves to
    // its own place.
    HWND previous = HWND_TOP;
    for (const PanelControl& control : OptionsPanelControls()) {
        HWND hwnd = ControlWindow(control.id);
        if (hwnd)
            SetWindowPos(hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        else
            hwnd = CreateControl(control.id);
        if (hwnd) previous = hwnd;
    }
    LayOut(dpi_);
    // As in a dialog: focus rectangles and access keys show once the keyboard is used.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    BindPanel();
}

void MainWindow::BindPeer(FormControl control, std::unique_ptr<ControlPeer> peer) {
    peers_.push_back(std::move(peer));
    form_.BindControl(control, peers_.back().get());
}

void MainWindow::BindSignalFieldAndTimers() {
    if (const HWND hwnd = ControlWindow(IDC_TEXT1)) BindPeer(FormControl::Text1, std::make_unique<SignalFieldPeer>(hwnd));
    for (const FormTimerDesign& design : kFormTimers) {
        const FormTimer timer = design.timer;
        if (design.ownThread)
            timers_.push_back(std::make_unique<ThreadTimer>([&target = form_.Ticks(timer)] { target.Fire(); }));
        else
            timers_.push_back(std::make_unique<WindowTimer>(window_, design.id));
        form_.BindTimer(timer, timers_.back().get());
    }
    form_.BindWindow(this);
}

void MainWindow::BindPanel() {
    for (const PanelControl& control : OptionsPanelControls()) {
        const HWND hwnd = ControlWindow(control.id);
        if (!hwnd || control.kind == PanelControlKind::SignalField) continue;
        if (control.kind == PanelControlKind::ListBox) {
            auto peer = std::make_unique<ListBoxPeer>(hwnd);
            listPeer_ = peer.get();
            BindPeer(control.control, std::move(peer));
        } else {
            BindPeer(control.control, std::make_unique<ButtonPeer>(hwnd));
        }
    }
}

void MainWindow::UnbindControls() {
    form_.BindWindow(nullptr);
    for (const PanelControl& control : OptionsPanelControls()) form_.BindControl(control.control, nullptr);
    // No tick on another thread may find its timer half unbound.
    for (const auto& timer : timers_) timer->Stop();
    for (const FormTimerDesign& design : kFormTimers) form_.BindTimer(design.timer, nullptr);
    listPeer_ = nullptr;
}

SIZE MainWindow::LayOut(unsigned dpi) {
    dpi_ = dpi;
    UniqueFont font = CreateUiFont(dpi);
    UniqueFont boldFont = CreateUiFont(dpi, {true, false});
    for (const PanelControl& control : OptionsPanelControls()) {
        const HWND hwnd = ControlWindow(control.id);
        if (!hwnd) continue;
        const RECT rect = ClientPixelRect(control, dpi);
        SetWindowPos(hwnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowFont(hwnd, control.bold ? boldFont.Get() : font.Get());
    }
    // The controls hold the new fonts now; the old ones may go.
    font_ = std::move(font);
    boldFont_ = std::move(boldFont);
    const SIZE client{TwipsToPixels(kPanelClientWidthTwips, dpi),
                      TwipsToPixels(kPanelClientHeightTwips, dpi)};
    return WindowSizeForClient(client, kMainWindowStyle, kMainWindowExStyle, GetMenu(window_) != nullptr, dpi);
}
