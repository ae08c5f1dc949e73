#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "platform/win32/Win32ShellApi.h"
#include "platform/win32/Win32WindowHookApi.h"

namespace {

const wchar_t kClassName[] = L"TrayhushShellNotifyTest";
constexpr UINT kProbe = WM_USER + 40;

// What the window's own procedure received, in order.
struct Received {
    UINT message;
    LPARAM lParam;
};
std::vector<Received>& Log() {
    static std::vector<Received> log;
    return log;
}

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().push_back({message, lParam});
    if (message == kProbe) return 4242;
    return ::DefWindowProcW(window, message, wParam, lParam);
}

Handle AsHandle(HWND window) { return reinterpret_cast<Handle>(window); }

// The real shell and user32 under a Form1 whose other services are fakes, bound to a
// real, hidden top-level window.
class ShellNotifyWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = RecordingProcedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClassName;
        ::RegisterClassW(&windowClass);
        window = ::CreateWindowExW(0, kClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                   windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        Log().clear();
        form.handle = AsHandle(window);
        form1 = std::make_unique<Form1>(platform);
        form1->Bind(&form);
    }
    void TearDown() override {
        if (form1) form1->unsubclassit();
        form1.reset();
        if (::IsWindow(window)) ::DestroyWindow(window);
    }

    LONG_PTR CurrentProcedure() const { return ::GetWindowLongPtrW(window, GWLP_WNDPROC); }
    static LONG_PTR RecordingAddress() { return reinterpret_cast<LONG_PTR>(&RecordingProcedure); }

    // Hands out what is queued; a bounded wait, not a timing requirement.
    void PumpUntil(const std::function<bool()>& done) {
        const DWORD start = ::GetTickCount();
        MSG message;
        while (!done() && ::GetTickCount() - start < 5000) {
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
    }
    int ShellMessages() const {
        int n = 0;
        for (const Received& r : Log()) n += r.message == 0x401;
        return n;
    }

    FakePlatform fakes;
    Win32ShellApi shell;
    Win32WindowHookApi hooks;
    Platform platform{fakes.registry, fakes.files, fakes.processes, fakes.keyboard,
                      shell,          hooks,       fakes.system,    fakes.ui, fakes.text};
    FakeForm form;
    HWND window = nullptr;
    std::unique_ptr<Form1> form1;
};

TEST_F(ShellNotifyWin32Test, SubclassitHooksTheWindowAndUnsubclassitPutsItBack) {
    ASSERT_EQ(CurrentProcedure(), RecordingAddress());
    form1->subclassit();
    EXPECT_NE(CurrentProcedure(), RecordingAddress());
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(::GetPropW(window, L"OldWndProc")), RecordingAddress());
    EXPECT_NE(form1->m_hShellNotify, 0u) << "shell32 ordinal 2 registered the window";
    EXPECT_NE(form1->m_pidlDesktop, 0u);

    EXPECT_EQ(::SendMessageW(window, kProbe, 0, 0), 4242) << "the window's own answer comes back";
    ASSERT_FALSE(Log().empty());
    EXPECT_EQ(Log().back().message, kProbe);

    form1->unsubclassit();
    EXPECT_EQ(CurrentProcedure(), RecordingAddress());
    EXPECT_EQ(::GetPropW(window, L"OldWndProc"), nullptr);
    EXPECT_EQ(form1->m_hShellNotify, 0u) << "shell32 ordinal 4 cancelled it";
    EXPECT_EQ(form1->m_pidlDesktop, 0u);
}

TEST_F(ShellNotifyWin32Test, AMediaInsertionArrivesAsTheDriveRoot) {
    form1->subclassit();
    ASSERT_NE(form1->m_hShellNotify, 0u);

    // Wine delivers within the sending process only: this process is the sender.
    ::SHChangeNotify(SHCNE_MEDIAINSERTED, SHCNF_PATHW, L"D:\\", nullptr);
    PumpUntil([&] { return !form1->Text1.Text().empty(); });

    EXPECT_EQ(form1->Text1.Text(), L"D:\\");
    ASSERT_GE(ShellMessages(), 1) << "the window's own procedure saw the notification too";
    EXPECT_EQ(fakes.keyboard.events.size(), 1u) << "the insertion handler ran once";
}

TEST_F(ShellNotifyWin32Test, OtherEventsReachTheWindowButReportNothing) {
    form1->subclassit();
    ::SHChangeNotify(SHCNE_MEDIAREMOVED, SHCNF_PATHW, L"D:\\", nullptr);
    ::SHChangeNotify(SHCNE_DRIVEADD, SHCNF_PATHW, L"D:\\", nullptr);
    PumpUntil([&] { return ShellMessages() >= 2; });

    EXPECT_EQ(ShellMessages(), 2);
    EXPECT_EQ(form1->Text1.Text(), L"");
    EXPECT_TRUE(fakes.keyboard.events.empty());
}

TEST_F(ShellNotifyWin32Test, NothingArrivesOnceTheRegistrationIsCancelled) {
    form1->subclassit();
    form1->unsubclassit();
    ::SHChangeNotify(SHCNE_MEDIAINSERTED, SHCNF_PATHW, L"D:\\", nullptr);
    // A message posted after the notification marks the end of what the shell could have queued.
    ::PostMessageW(window, kProbe, 0, 0);
    PumpUntil([&] { return !Log().empty() && Log().back().message == kProbe; });
    EXPECT_EQ(ShellMessages(), 0);
    EXPECT_EQ(form1->Text1.Text(), L"");
}

TEST_F(ShellNotifyWin32Test, DestroyingAHookedWindowUnhooksOnItsLastMessage) {
    form1->subclassit();
    ASSERT_TRUE(::DestroyWindow(window));
    ASSERT_FALSE(Log().empty());
    EXPECT_EQ(Log().back().message, static_cast<UINT>(WM_NCDESTROY)) << "the last message still reached it";
    form1->unsubclassit();  // the registration goes; the window is gone already
    EXPECT_EQ(form1->m_hShellNotify, 0u);
}

TEST(Win32ShellItems, ADriveItemHasADisplayNameAndItsRootAsPath) {
    PIDLIST_ABSOLUTE item = ::ILCreateFromPathW(L"C:\\");
    ASSERT_NE(item, nullptr);
    Win32ShellApi shell;
    std::wstring name;
    ASSERT_TRUE(shell.GetDisplayNameOf(reinterpret_cast<Handle>(item), &name));
    EXPECT_EQ(name.size(), 260u);
    EXPECT_NE(name[0], L'\0');
    wchar_t path[260] = {};
    ASSERT_TRUE(shell.SHGetPathFromIDListW(reinterpret_cast<Handle>(item), path));
    EXPECT_STREQ(path, L"C:\\");
    shell.CoTaskMemFree(reinterpret_cast<Handle>(item));

    EXPECT_FALSE(shell.GetDisplayNameOf(0, &name));
    EXPECT_FALSE(shell.SHGetPathFromIDListW(0, path));
}

TEST(Win32ShellItems, TheNotifyRecordIsTwoItemPointers) {
    Win32ShellApi shell;
    Handle first = 7, second = 7;
    EXPECT_FALSE(shell.ReadNotifyRecord(0, &first, &second));
    const void* record[2] = {reinterpret_cast<void*>(0x1230), reinterpret_cast<void*>(0x4560)};
    ASSERT_TRUE(shell.ReadNotifyRecord(reinterpret_cast<std::uintptr_t>(record), &first, &second));
    EXPECT_EQ(first, 0x1230u);
    EXPECT_EQ(second, 0x4560u);
}

TEST(Win32ShellItems, TheDesktopIsFolderZero) {
    Win32ShellApi shell;
    Handle desktop = 0;
    ASSERT_EQ(shell.SHGetSpecialFolderLocation(0, CSIDL_DESKTOP, &desktop), S_OK);
    EXPECT_NE(desktop, 0u);
    shell.CoTaskMemFree(desktop);
    Handle none = 7;
    EXPECT_NE(shell.SHGetSpecialFolderLocation(0, 0x7FFF, &none), S_OK);
    EXPECT_EQ(none, 0u) << "a failed lookup leaves no item";
}

TEST(Win32WindowHooks, AThrowingHandlerNeverUnwindsIntoTheSystem) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TrayhushThrowingHookTest";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                    windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    Win32WindowHookApi hooks;
    int calls = 0;
    const Handle trampoline = hooks.HookProcedure([&](Handle, std::uint32_t, std::uintptr_t, std::intptr_t) -> std::intptr_t {
        ++calls;
        throw std::runtime_error("handler failed");
    });
    const Handle previous = hooks.SetWindowProc(AsHandle(window), trampoline);
    ASSERT_NE(previous, 0u);

    EXPECT_EQ(::SendMessageW(window, WM_USER + 1, 0, 0), 0);
    EXPECT_EQ(calls, 1);

    EXPECT_EQ(hooks.SetWindowProc(AsHandle(window), previous), trampoline);
    ::DestroyWindow(window);
}

}  // namespace
