// A program that sits in the tray all day stays small: the common controls, the largest
// part of its memory, load only when the user first opens the window.
#include <windows.h>
#include <psapi.h>

#include <algorithm>

#include <cwctype>
#include <vector>

#include "e2e/TrayhushScenario.h"
#include "harness/TrayhushWindows.h"

namespace trayhush::e2e {
namespace {

constexpr DWORD kShowTimeoutMs = 10000;

bool SameName(const wchar_t* a, const wchar_t* b) {
    for (; *a && *b; ++a, ++b)
        if (std::towlower(*a) != std::towlower(*b)) return false;
    return *a == *b;
}

// Whether the process has a module of that file name loaded; false also when it cannot
// be asked, which the caller tells apart by a module that must be there.
bool HasModule(HANDLE process, const wchar_t* fileName) {
    std::vector<HMODULE> modules(256);
    DWORD needed = 0;
    if (!EnumProcessModulesEx(process, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                              &needed, LIST_MODULES_ALL))
        return false;
    modules.resize(std::min<std::size_t>(modules.size(), needed / sizeof(HMODULE)));
    for (HMODULE module : modules) {
        wchar_t name[MAX_PATH] = L"";
        if (GetModuleBaseNameW(process, module, name, MAX_PATH) && SameName(name, fileName)) return true;
    }
    return false;
}

using Footprint = TrayhushScenario;

TEST_F(Footprint, TheCommonControlsLoadOnlyWhenTheWindowFirstOpens) {
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    const HANDLE process = trayhush_->Process().handle;
    ASSERT_TRUE(HasModule(process, L"user32.dll")) << "the module list cannot be read";
    EXPECT_FALSE(HasModule(process, L"comctl32.dll")) << "loaded while the program sits in the tray";

    UINT iconId = 0;
    std::wstring error;
    ASSERT_TRUE(trayhush_->TrayIconId(&iconId, &error)) << Narrow(error);
    const HWND window = trayhush_->MainWindow();
    ASSERT_TRUE(ClickTrayIcon(trayhush_->TrayWindow(), iconId));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, kShowTimeoutMs))
        << "a click on the tray icon did not show the window";
    EXPECT_TRUE(HasModule(process, L"comctl32.dll")) << "the window's controls come from them";
    EXPECT_NE(FindControlByCaption(window, L"Enable Blocking"), nullptr);
}

}  // namespace
}  // namespace trayhush::e2e
