#include "ui/about/AboutWindow.h"

#include <commctrl.h>

#include <string>

#include "ui/about/AboutWindowDesign.h"
#include "ui/Dpi.h"
#include "ui/UiFont.h"

using namespace about_design;

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
