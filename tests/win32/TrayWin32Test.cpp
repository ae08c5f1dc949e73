// The tray icon in the real notification area: there from start-up, back after a new
// taskbar, gone with its window, whether the exit routine or anybody else closes it.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "harness/TrayhushWindows.h"
#include "ui/Win32UiApi.h"

namespace {

using trayhush::e2e::TrayIconPresent;

// Once the tray window is gone the shell drops its icon by itself, sooner or later: the
// icon is looked for while the window is being destroyed, when only a NIM_DELETE removes it.
WNDPROC g_trayProcedure = nullptr;
UINT g_iconId = 0;
int g_iconAtDestroy = -1;

LRESULT CALLBACK LookAtDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) g_iconAtDestroy = TrayIconPresent(window, g_iconId);
    return CallWindowProcW(g_trayProcedure, window, message, wParam, lParam);
}

TEST(TrayWin32, TheIconIsThereFromStartUpBackAfterANewTaskbarAndGoneWithItsWindow) {
    ASSERT_NE(FindWindowW(L"Shell_TrayWnd", nullptr), nullptr) << "no notification area here";
    for (const bool closedByOthers : {false, true}) {
        FakePlatform fake;
        Win32UiApi ui{GetModuleHandleW(nullptr)};
        Platform platform{fake.registry, fake.files, fake.processes, fake.keyboard, fake.shell,
                          fake.hooks,    fake.system, ui,            fake.text};
        Form1 form{platform};
        form.Imge[1].picture = Icon(reinterpret_cast<std::uintptr_t>(LoadIconW(nullptr, IDI_ASTERISK)));
        ASSERT_TRUE(form.Form_Load());
        const HWND trayWindow = reinterpret_cast<HWND>(form.m_frmSysTray->IconRecord().hWnd.value);
        g_iconId = form.m_frmSysTray->IconRecord().uID;
        EXPECT_TRUE(TrayIconPresent(trayWindow, g_iconId));

        NOTIFYICONDATAA gone{};
        gone.cbSize = NOTIFYICONDATAA_V1_SIZE, gone.hWnd = trayWindow, gone.uID = g_iconId;
        ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &gone));  // as when Explorer restarts
        SendMessageW(trayWindow, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        EXPECT_TRUE(TrayIconPresent(trayWindow, g_iconId));

        g_iconAtDestroy = -1;
        g_trayProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(trayWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LookAtDestroy)));
        if (closedByOthers)
            SendMessageW(trayWindow, WM_CLOSE, 0, 0);  // as a polite taskkill does
        else
            form.ender();
        EXPECT_EQ(g_iconAtDestroy, 0) << "the icon was still there when its window was destroyed";
        EXPECT_FALSE(IsWindow(trayWindow));
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
}

}  // namespace
