#include "harness/TrayhushWindows.h"

#include <shellapi.h>

#include "resource_ids.h"

namespace trayhush::e2e {
namespace {

constexpr UINT kTrayCallbackMessage = 0x200;
constexpr UINT kAnswerTimeoutMs = 10000;

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;  // null: any class
    const wchar_t* caption;    // null: any caption
    HWND found;
};

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

BOOL CALLBACK Match(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->processId != 0 && owner != search->processId) return TRUE;
    if (search->className && ClassOf(window) != search->className) return TRUE;
    if (search->caption && TextOf(window) != search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindMainWindow(DWORD processId) {
    WindowSearch search{processId, nullptr, L"Trayhush", nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTrayWindow(DWORD processId) {
    WindowSearch search{processId, L"TrayhushTrayWindow", nullptr, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindControlByCaption(HWND mainWindow, const std::wstring& caption) {
    WindowSearch search{0, nullptr, caption.c_str(), nullptr};
    EnumChildWindows(mainWindow, Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool ReadReportedRoot(HWND mainWindow, std::wstring* root) {
    const HWND field = GetDlgItem(mainWindow, IDC_TEXT1);
    if (!field) return false;
    wchar_t text[MAX_PATH] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(field, WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                             kAnswerTimeoutMs, &copied))
        return false;
    root->assign(text, static_cast<std::size_t>(copied));
    return true;
}

bool ClickTrayIcon(HWND trayWindow, UINT iconId) {
    return PostMessageW(trayWindow, kTrayCallbackMessage, iconId, WM_LBUTTONUP) != FALSE;
}

bool TrayIconPresent(HWND trayWindow, UINT iconId) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = trayWindow;
    data.uID = iconId;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

}  // namespace trayhush::e2e
