// The real shell and user32 under a main window whose other services are fakes: a media
// insertion delivered to the hooked window, and the window's own procedure put back.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "platform/win32/Win32ShellApi.h"
#include "platform/win32/Win32WindowHookApi.h"

namespace {

constexpr UINT kProbe = WM_USER + 40;
int g_shellMessages = 0;
bool g_probeSeen = false;

LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == 0x401) ++g_shellMessages;
    if (message == kProbe) {
        g_probeSeen = true;
        return 4242;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

class ShellNotifyWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = OwnProcedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TrayhushShellNotifyTest";
        ::RegisterClassW(&windowClass);
        window = ::CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                   nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        g_shellMessages = 0;
        peer.handle = Window(reinterpret_cast<std::uintptr_t>(window));
        form.Bind(&peer);
    }
    void TearDown() override {
        form.unsubclassit();
        ::DestroyWindow(window);
    }
    LONG_PTR Procedure() const { return ::GetWindowLongPtrW(window, GWLP_WNDPROC); }
    // Hands out what is queued; a bound on the wait, not a timing requirement.
    static void PumpUntil(const std::function<bool()>& done) {
        const DWORD start = ::GetTickCount();
        MSG message;
        while (!done() && ::GetTickCount() - start < 5000) {
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
    }

    FakePlatform fake;
    Win32ShellApi shell;
    Win32WindowHookApi hooks;
    Platform platform{fake.registry, fake.files, fake.processes, fake.keyboard, shell,
                      hooks,         fake.system, fake.ui,       fake.text};
    FakeForm peer;
    Form1 form{platform};
    HWND window = nullptr;
};

TEST_F(ShellNotifyWin32, TheHookedWindowGetsMediaInsertionsUntilItsProcedureIsPutBack) {
    const LONG_PTR own = reinterpret_cast<LONG_PTR>(&OwnProcedure);
    form.subclassit();
    EXPECT_NE(Procedure(), own);
    EXPECT_EQ(::SendMessageW(window, kProbe, 0, 0), 4242) << "the window's own answer comes back";
    // Wine delivers within the sending process only: this process is the sender.
    ::SHChangeNotify(SHCNE_MEDIAINSERTED, SHCNF_PATHW, L"D:\\", nullptr);
    PumpUntil([&] { return !form.Text1.Text().empty(); });
    EXPECT_EQ(form.Text1.Text(), L"D:\\");
    EXPECT_EQ(g_shellMessages, 1) << "the window's own procedure sees the notification too";

    form.unsubclassit();
    EXPECT_EQ(Procedure(), own);
    ::SHChangeNotify(SHCNE_MEDIAINSERTED, SHCNF_PATHW, L"E:\\", nullptr);
    // Posted after the notification, it marks the end of what the shell could have queued.
    g_probeSeen = false;
    ::PostMessageW(window, kProbe, 0, 0);
    PumpUntil([&] { return g_probeSeen; });
    ASSERT_TRUE(g_probeSeen);
    EXPECT_EQ(g_shellMessages, 1) << "the registration outlived unsubclassit";
    EXPECT_EQ(form.Text1.Text(), L"D:\\");
}

}  // namespace
