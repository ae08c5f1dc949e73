#include "platform/win32/MainWindow.h"

#include "app/Form1.h"
#include "platform/win32/ButtonPeer.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/OptionsPanelLayout.h"
#include "platform/win32/SignalFieldPeer.h"
#include "platform/win32/UiFont.h"
#include "platform/win32/WindowProcedure.h"
#include "resource_ids.h"

namespace {

const wchar_t kMainWindowClass[] = L"TrayhushMainWindow";
// A class of the program's own: the common controls' EDIT would load them at start-up.
const wchar_t kSignalFieldClass[] = L"TrayhushSignalField";
const wchar_t kCaption[] = L"Trayhush";
// A fixed single border with a minimise button and no maximise button.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;

constexpr UINT_PTR kTimer1Id = 1;
constexpr UINT_PTR kTimer6Id = 6;
constexpr UINT_PTR kTimer7Id = 7;

HICON DesignIcon(HINSTANCE instance) {
    const HANDLE green = LoadImageW(instance, MAKEINTRESOURCEW(IDI_DISC_GREEN), IMAGE_ICON, 0, 0,
                                    LR_DEFAULTSIZE | LR_SHARED);
    return green ? static_cast<HICON>(green) : LoadIconW(nullptr, IDI_APPLICATION);
}

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

const PanelControl* PanelControlOf(int id) {
    for (const PanelControl& control : OptionsPanelControls())
        if (control.id == id) return &control;
    return nullptr;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Form1& form) : form_(form), instance_(instance) {
    EnsureWindowClass(instance, kMainWindowClass, OwnedWindowProcedure<MainWindow>,
                      DesignIcon(instance), GetSysColorBrush(COLOR_BTNFACE));
    EnsureWindowClass(instance, kSignalFieldClass, DefWindowProcW, nullptr, nullptr);
    UniqueMenu menu(LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINMENU)));
    CreateWindowExW(kWindowExStyle, kMainWindowClass, kCaption, kWindowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, 0, 0, nullptr, menu.Get(), instance, this);
    if (!window_) return;
    // The window's menu bar goes with the window.
    menu.Release();
    CreateControl(IDC_TEXT1);
    const SIZE size = LayOut(WindowDpi(window_));
    layingOut_ = true;
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layingOut_ = false;
    BindSignalFieldAndTimers();
}

MainWindow::~MainWindow() {
    UnbindControls();
    if (window_) DestroyWindow(window_);
}

HWND MainWindow::ControlWindow(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void MainWindow::FirstDisplay() {
    form_.Form_Resize();
    resizeReachesForm_ = true;
}

HWND MainWindow::CreateControl(int id) {
    const PanelControl* control = PanelControlOf(id);
    if (!control) return nullptr;
    const ControlClass cls = ClassOf(control->kind);
    std::wstring caption;
    if (CheckBox* box = CheckBoxOf(id)) caption = box->Caption();
    if (id == IDC_FRAME0) caption = form_.Frame[0].Caption();
    if (id == IDC_FRAME1) caption = form_.Frame[1].Caption();
    if (id == IDC_FRAME2) caption = form_.Frame[2].Caption();
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

void MainWindow::BindSignalFieldAndTimers() {
    if (const HWND hwnd = ControlWindow(IDC_TEXT1)) {
        peers_.push_back(std::make_unique<SignalFieldPeer>(hwnd));
        form_.Text1.Bind(peers_.back().get());
    }
    const std::pair<Timer*, UINT_PTR> timers[] = {
        {&form_.Timer1, kTimer1Id}, {&form_.Timer6, kTimer6Id}, {&form_.Timer7, kTimer7Id}};
    for (const auto& [timer, id] : timers) {
        timers_.push_back(std::make_unique<WindowTimer>(window_, id));
        timer->Bind(timers_.back().get());
    }
    form_.Bind(this);
}

void MainWindow::BindPanel() {
    // Generic: each kind of control pushes its own state to a new peer.
    const auto bindButton = [this](auto& model, int id) {
        const HWND hwnd = ControlWindow(id);
        if (!hwnd) return;
        peers_.push_back(std::make_unique<ButtonPeer>(hwnd));
        model.Bind(peers_.back().get());
    };
    const int checkIds[] = {IDC_CHECK0, IDC_CHECK1, IDC_CHECK2, IDC_CHECK3, IDC_CHECK4};
    for (std::size_t i = 0; i < form_.Check.size(); ++i) bindButton(form_.Check[i], checkIds[i]);
    bindButton(form_.Check1, IDC_CHECK1BOX);
    bindButton(form_.Frame[0], IDC_FRAME0);
    bindButton(form_.Frame[1], IDC_FRAME1);
    bindButton(form_.Frame[2], IDC_FRAME2);
    if (const HWND hwnd = ControlWindow(IDC_LIST1)) {
        auto peer = std::make_unique<ListBoxPeer>(hwnd);
        listPeer_ = peer.get();
        peers_.push_back(std::move(peer));
        form_.List1.Bind(listPeer_);
    }
}

void MainWindow::UnbindControls() {
    form_.Bind(nullptr);
    for (CheckBox& box : form_.Check) box.Bind(nullptr);
    form_.Check1.Bind(nullptr);
    for (GroupFrame& frame : form_.Frame) frame.Bind(nullptr);
    form_.List1.Bind(nullptr);
    form_.Text1.Bind(nullptr);
    form_.Timer1.Bind(nullptr);
    form_.Timer6.Bind(nullptr);
    form_.Timer7.Bind(nullptr);
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
    return WindowSizeForClient(client, kWindowStyle, kWindowExStyle, GetMenu(window_) != nullptr, dpi);
}

CheckBox* MainWindow::CheckBoxOf(int id) {
    switch (id) {
        case IDC_CHECK0: return &form_.Check[0];
        case IDC_CHECK1: return &form_.Check[1];
        case IDC_CHECK2: return &form_.Check[2];
        case IDC_CHECK3: return &form_.Check[3];
        case IDC_CHECK4: return &form_.Check[4];
        case IDC_CHECK1BOX: return &form_.Check1;
        default: return nullptr;
    }
}

LRESULT MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            window_ = window;
            break;
        case WM_SHOWWINDOW:
            // Whatever shows the window: the panel is there before it is seen.
            if (wParam) CreatePanel();
            break;
        case WM_COMMAND:
            return OnCommand(wParam, lParam);
        case WM_TIMER:
            return OnTimer(wParam);
        case WM_SIZE:
            return OnSize();
        case WM_CLOSE:
            return OnClose();
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            return OnEndSession(wParam);
        case WM_DPICHANGED:
            return OnDpiChanged(wParam, lParam);
        case WM_ACTIVATE:
            return OnActivate(window, wParam, lParam);
        case WM_SETFOCUS:
            return OnSetFocus();
        case WM_NCDESTROY:
            window_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (lParam == 0) {
        if (id == IDM_ABOUT) form_.About_Click();
        return 0;
    }
    if (code == BN_CLICKED && CheckBoxOf(id)) OnCheckBoxClicked(id);
    if (code == LBN_SELCHANGE && id == IDC_LIST1) OnListSelectionChanged();
    return 0;
}

void MainWindow::OnCheckBoxClicked(int id) {
    CheckBox* box = CheckBoxOf(id);
    if (box && box->Enabled()) box->UserClick();
}

void MainWindow::OnListSelectionChanged() {
    if (!listPeer_) return;
    // The list reports that its selection changed, not where: compare entry by entry.
    for (int i = 0; i < form_.List1.ListCount() && i < listPeer_->Count(); ++i) {
        const bool selected = listPeer_->IsSelected(i);
        if (selected != form_.List1.Selected(i)) form_.List1.UserSetSelected(i, selected);
    }
}

LRESULT MainWindow::OnTimer(WPARAM id) {
    switch (id) {
        case kTimer1Id: form_.Timer1.Fire(); break;
        case kTimer6Id: form_.Timer6.Fire(); break;
        case kTimer7Id: form_.Timer7.Fire(); break;
        default: break;
    }
    return 0;
}

LRESULT MainWindow::OnSize() {
    if (resizeReachesForm_ && !layingOut_) form_.Form_Resize();
    return 0;
}

LRESULT MainWindow::OnClose() {
    // Closing the main window ends the program, tray icon included.
    form_.Form_Unload();
    return 0;
}

LRESULT MainWindow::OnEndSession(WPARAM ending) {
    // The session ends once this returns: release the Shift key and remove the icon now.
    if (ending) form_.ender();
    return 0;
}

LRESULT MainWindow::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    const SIZE size = LayOut(LOWORD(wParam));
    layingOut_ = true;
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    layingOut_ = false;
    return 0;
}

LRESULT MainWindow::OnActivate(HWND window, WPARAM wParam, LPARAM lParam) {
    // Keyboard users come back to the control they left.
    if (LOWORD(wParam) == WA_INACTIVE) lastFocus_ = GetFocus();
    return DefWindowProcW(window, WM_ACTIVATE, wParam, lParam);
}

LRESULT MainWindow::OnSetFocus() {
    const HWND target = lastFocus_ && IsChild(window_, lastFocus_) && IsWindowEnabled(lastFocus_)
                      ? lastFocus_
                      : GetNextDlgTabItem(window_, nullptr, FALSE);
    if (target) SetFocus(target);
    return 0;
}
