#include "platform/win32/AboutWindow.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/CommonControls.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/UiFont.h"
#include "platform/win32/WindowProcedure.h"
#include "resource_ids.h"

namespace {

const wchar_t kAboutWindowClass[] = L"TrayhushAboutBox";
const wchar_t kCaption[] = L"About Trayhush";
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kClientWidthTwips = 5355;
constexpr int kClientHeightTwips = 1755;

// Labels have no id of their own in the design; these keep them apart here.
constexpr int kNameLabel = 2001;
constexpr int kVersionLabel = 2002;
constexpr int kMakerLabel = 2003;
constexpr int kBugLabel = 2004;
constexpr int kUpdatesLabel = 2005;

constexpr COLORREF kVersionColour = RGB(0xFF, 0x00, 0x00);
constexpr COLORREF kLinkColour = RGB(0x00, 0x00, 0xFF);

struct LabelDesign {
    int id;
    int left, top;  // twips; every label is as large as its text
};

// The labels' top-left corners, in creation (and tab) order.
constexpr LabelDesign kLabels[] = {
    {kNameLabel, 240, 240},   {kVersionLabel, 3000, 240}, {kMakerLabel, 240, 480},
    {kBugLabel, 240, 720},    {IDC_LINK_MAIL, 3000, 720}, {kUpdatesLabel, 240, 960},
    {IDC_LINK_HOME, 3000, 960},
};
constexpr TwipsRect kCloseButton{4200, 1320, 1095, 375};

}  // namespace

AboutWindow::AboutWindow(HINSTANCE instance, HWND owner, AboutView& about)
    : about_(about), owner_(owner) {
    InitCommonControlsOnDemand(ICC_WIN95_CLASSES);
    EnsureWindowClass(instance, kAboutWindowClass, OwnedWindowProcedure<AboutWindow>, nullptr,
                      GetSysColorBrush(COLOR_BTNFACE));
    CreateWindowExW(kWindowExStyle, kAboutWindowClass, kCaption, kWindowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, 0, 0, owner, nullptr, instance, this);
    if (!window_) return;
    CreateControls(instance);
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    const SIZE size = LayOut(WindowDpi(window_));
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CentreOnScreen();
}

AboutWindow::~AboutWindow() { Close(); }

HWND AboutWindow::ControlWindow(int id) const {
    if (id == IDC_ABOUT_CLOSE) return closeButton_;
    for (const Label& label : labels_)
        if (label.id == id) return label.window;
    return nullptr;
}

void AboutWindow::CreateControls(HINSTANCE instance) {
    const auto caption = [this](int id) -> std::wstring {
        switch (id) {
            case kNameLabel: return L"Trayhush";
            case kVersionLabel: return about_.VersionLabel();
            case kMakerLabel: return about_.MakerLine();
            case kBugLabel: return L"Bug Reporting And Comments:";
            case IDC_LINK_MAIL: return about_.MailAddress();
            case kUpdatesLabel: return L"Updates To Be Found At:";
            case IDC_LINK_HOME: return about_.HomePageAddress();
            default: return L"";
        }
    };
    for (const LabelDesign& design : kLabels) {
        const bool link = design.id == IDC_LINK_MAIL || design.id == IDC_LINK_HOME;
        // SS_NOTIFY: the links report clicks, and tips need the mouse to reach the label.
        const DWORD style = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_NOTIFY;
        const HWND hwnd = CreateWindowExW(0, L"STATIC", caption(design.id).c_str(), style, 0, 0, 0, 0,
                                          window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)),
                                          instance, nullptr);
        if (hwnd) labels_.push_back({design.id, hwnd, link});
    }
    closeButton_ = CreateWindowExW(
        0, L"BUTTON", L"Close", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0,
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ABOUT_CLOSE)), instance, nullptr);

    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                            nullptr, instance, nullptr);
    AddTip(ControlWindow(kVersionLabel), L"Trayhush Version");
    AddTip(ControlWindow(IDC_LINK_MAIL), L"email me");
    AddTip(ControlWindow(IDC_LINK_HOME), L"Go to Trayhush");
}

void AboutWindow::AddTip(HWND control, const wchar_t* tip) {
    if (!tips_ || !control) return;
    TTTOOLINFOW info{};
    // The version 5 size, which every comctl32 accepts.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = window_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<wchar_t*>(tip);
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

SIZE AboutWindow::LayOut(unsigned dpi) {
    UniqueFont labelFont = CreateUiFont(dpi, {true, false});
    UniqueFont linkFont = CreateUiFont(dpi, {true, true});
    UniqueFont buttonFont = CreateUiFont(dpi);
    for (const LabelDesign& design : kLabels) {
        const HWND hwnd = ControlWindow(design.id);
        if (!hwnd) continue;
        const Label* label = LabelOf(hwnd);
        const HFONT font = label && label->link ? linkFont.Get() : labelFont.Get();
        wchar_t text[256] = L"";
        GetWindowTextW(hwnd, text, 256);
        const SIZE extent = TextExtent(hwnd, font, text);
        SetWindowPos(hwnd, nullptr, TwipsToPixels(design.left, dpi), TwipsToPixels(design.top, dpi),
                     extent.cx, extent.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowFont(hwnd, font);
    }
    if (closeButton_) {
        SetWindowPos(closeButton_, nullptr, TwipsToPixels(kCloseButton.left, dpi),
                     TwipsToPixels(kCloseButton.top, dpi), TwipsToPixels(kCloseButton.width, dpi),
                     TwipsToPixels(kCloseButton.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowFont(closeButton_, buttonFont.Get());
    }
    labelFont_ = std::move(labelFont);
    linkFont_ = std::move(linkFont);
    buttonFont_ = std::move(buttonFont);
    const SIZE client{TwipsToPixels(kClientWidthTwips, dpi), TwipsToPixels(kClientHeightTwips, dpi)};
    return WindowSizeForClient(client, kWindowStyle, kWindowExStyle, false, dpi);
}

void AboutWindow::CentreOnScreen() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR monitor = MonitorFromWindow(owner_ ? owner_ : window_, MONITOR_DEFAULTTOPRIMARY);
    if (!monitor || !GetMonitorInfoW(monitor, &info)) return;
    RECT rect{};
    GetWindowRect(window_, &rect);
    const RECT& work = info.rcWork;
    const int left = work.left + ((work.right - work.left) - (rect.right - rect.left)) / 2;
    const int top = work.top + ((work.bottom - work.top) - (rect.bottom - rect.top)) / 2;
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutWindow::ShowModal() {
    if (!window_) return;
    ownerWasEnabled_ = owner_ && IsWindowEnabled(owner_);
    if (owner_) EnableWindow(owner_, FALSE);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    if (closeButton_) SetFocus(closeButton_);
    RunModalLoop([this] { return window_ == nullptr; });
    Close();
}

void AboutWindow::Close() {
    // The owner comes back first, so that it, not another program, gets the activation.
    if (ownerWasEnabled_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
    ownerWasEnabled_ = false;
    if (window_) DestroyWindow(window_);
}

const AboutWindow::Label* AboutWindow::LabelOf(HWND control) const {
    for (const Label& label : labels_)
        if (label.window == control) return &label;
    return nullptr;
}

LRESULT AboutWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            window_ = window;
            break;
        case WM_COMMAND:
            return OnCommand(wParam);
        case WM_CTLCOLORSTATIC:
            return OnControlColour(wParam, lParam);
        case WM_SETCURSOR:
            return OnSetCursor(window, wParam, lParam);
        case WM_CLOSE:
            return OnCommand(MAKEWPARAM(IDCANCEL, BN_CLICKED));
        case WM_DPICHANGED:
            return OnDpiChanged(wParam, lParam);
        case WM_NCDESTROY:
            window_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT AboutWindow::OnCommand(WPARAM wParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == STN_CLICKED && id == IDC_LINK_MAIL) about_.Labelr_Click(0);
    if (code == STN_CLICKED && id == IDC_LINK_HOME) about_.Labelr_Click(1);
    if (code == BN_CLICKED && (id == IDC_ABOUT_CLOSE || id == IDOK || id == IDCANCEL)) {
        about_.Command_Click();
        if (about_.Closed()) Close();
    }
    return 0;
}

LRESULT AboutWindow::OnControlColour(WPARAM dc, LPARAM control) {
    const HWND hwnd = reinterpret_cast<HWND>(control);
    const Label* label = LabelOf(hwnd);
    if (!label) return DefWindowProcW(window_, WM_CTLCOLORSTATIC, dc, control);
    const HDC hdc = reinterpret_cast<HDC>(dc);
    if (label->id == kVersionLabel)
        SetTextColor(hdc, kVersionColour);
    else if (label->link)
        SetTextColor(hdc, kLinkColour);
    else
        SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(hdc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT AboutWindow::OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
    const Label* label = LabelOf(reinterpret_cast<HWND>(wParam));
    if (label && label->link) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return DefWindowProcW(window, WM_SETCURSOR, wParam, lParam);
}

LRESULT AboutWindow::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    const SIZE size = LayOut(LOWORD(wParam));
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}
