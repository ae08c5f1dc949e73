// The user opens the window from the tray icon and clicks "Start With Windows": the Run
// entry appears with the program's quoted path, and goes with the next click.
#include <cwctype>

#include "e2e/TrayhushScenario.h"
#include "harness/RegistryState.h"
#include "harness/TrayhushWindows.h"

namespace trayhush::e2e {
namespace {

constexpr DWORD kShowTimeoutMs = 10000;
constexpr DWORD kStoreTimeoutMs = 10000;
constexpr DWORD kAnswerTimeoutMs = 10000;

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

using StartWithWindows = TrayhushScenario;

TEST_F(StartWithWindows, TheCheckBoxWritesAndRemovesTheRunEntry) {
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    UINT iconId = 0;
    std::wstring error;
    ASSERT_TRUE(trayhush_->TrayIconId(&iconId, &error)) << Narrow(error);
    const HWND window = trayhush_->MainWindow();
    ASSERT_FALSE(IsWindowVisible(window)) << "the window must start hidden in the tray";
    ASSERT_TRUE(ClickTrayIcon(trayhush_->TrayWindow(), iconId));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, kShowTimeoutMs))
        << "a click on the tray icon did not show the window";

    const HWND box = FindControlByCaption(window, L"Start With Windows");
    ASSERT_NE(box, nullptr) << "no \"Start With Windows\" check box in the window";
    std::wstring value;
    ASSERT_FALSE(ReadRunValue(&value)) << "a Run entry before any click: " << Narrow(value);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(box, BM_CLICK, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &ignored));
    ASSERT_TRUE(WaitUntil([&] { return ReadRunValue(&value); }, kStoreTimeoutMs))
        << "no Run entry after the click";
    EXPECT_EQ(Lower(value), Lower(L"\"" + trayhushExe_ + L"\""));
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);

    ASSERT_TRUE(SendMessageTimeoutW(box, BM_CLICK, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &ignored));
    EXPECT_TRUE(WaitUntil([&] { return !ReadRunValue(&value); }, kStoreTimeoutMs))
        << "the Run entry stayed after the second click: " << Narrow(value);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

}  // namespace
}  // namespace trayhush::e2e
