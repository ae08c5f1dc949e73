// The real Trayhush.exe: first start, a second instance, exit, and its Run value.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/Win32RegistryApi.h"
#include "settings/Registry.h"
#include "win32/support/TrayhushProcess.h"

namespace {

const wchar_t kSettings[] = L"Software\\Trayhush\\Settings";
const wchar_t kRun[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::vector<std::wstring> SettingNames() {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSettings, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD length = 256;
        if (::RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    ::RegCloseKey(key);
    return names;
}

std::wstring RunValue() {
    Win32RegistryApi api;
    return Registry::ReadTextValue(api, kHkeyLocalMachine, kRun, L"Trayhush", L"<absent>");
}

class StartupExe : public ::testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Trayhush");
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Trayhush");
        HKEY run = nullptr;
        if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRun, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
            ::RegDeleteValueW(run, L"Trayhush");
            ::RegCloseKey(run);
        }
    }
    // Start-up is over once its last stored value is there.
    static bool SettingsWritten() {
        Win32RegistryApi api;
        return Registry::ReadNumberValue(api, kHkeyLocalMachine, kSettings, L"AllDrives", -7) != -7;
    }
};

TEST_F(StartupExe, FirstStartStoresItsDefaultsRunsHiddenAndExitsCleanly) {
    TrayhushProcess first;
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(WaitUntil(SettingsWritten, 15000)) << "start-up never stored its settings";
    HWND window = first.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(window); }, 5000)) << "the window must start hidden";

    // Wine lists values in its own order; which values exist is what counts.
    std::vector<std::wstring> names = SettingNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"AllDrives", L"BlockMethod", L"DetectionMethod",
                                                L"RunDefaultAutorunProgram"}));
    Win32RegistryApi api;
    for (const wchar_t* name : {L"DetectionMethod", L"BlockMethod", L"RunDefaultAutorunProgram"})
        EXPECT_EQ(Registry::ReadNumberValue(api, kHkeyLocalMachine, kSettings, name, -1), 0) << name;
    EXPECT_EQ(Registry::ReadNumberValue(api, kHkeyLocalMachine, kSettings, L"AllDrives", -1), 1);
    EXPECT_EQ(RunValue(), L"<absent>");

    DWORD exitCode = 99;
    ASSERT_TRUE(first.Close());
    ASSERT_TRUE(first.WaitForExit(0, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(StartupExe, ASecondInstanceEndsAtOnceAndLeavesTheFirstAlone) {
    TrayhushProcess first;
    ASSERT_TRUE(WaitUntil(SettingsWritten, 15000));
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSettings, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const DWORD marker = 1;  // a value the second copy would overwrite if it read its settings
    ::RegSetValueExW(key, L"BlockMethod", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&marker), 4);
    ::RegCloseKey(key);

    TrayhushProcess second;
    ASSERT_TRUE(second.Started());
    DWORD exitCode = 99;
    EXPECT_TRUE(second.WaitForExit(10000, &exitCode)) << "the second copy must end by itself";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(second.MainWindow(0), nullptr);
    Win32RegistryApi api;
    EXPECT_EQ(Registry::ReadNumberValue(api, kHkeyLocalMachine, kSettings, L"BlockMethod", 0), 1);
    EXPECT_FALSE(first.WaitForExit(0)) << "the first copy keeps running";
    EXPECT_TRUE(first.Close());
}

TEST_F(StartupExe, ARunValueIsRepairedToAFolderOutsideTheAnsiCodePage) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"\u30C4\u30FC\u30EB \u0394\u03B9\u03C3\u03BA";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + L"\\Trayhush.exe";
    ASSERT_TRUE(::CopyFileW(TrayhushProcess::ExePath().c_str(), copy.c_str(), FALSE));
    Win32RegistryApi api;
    Registry::WriteTextValue(api, kHkeyLocalMachine, kRun, L"Trayhush", L"\"C:\\Elsewhere\\Trayhush.exe\"");

    {
        TrayhushProcess moved(copy);
        ASSERT_TRUE(WaitUntil(SettingsWritten, 15000));
        EXPECT_TRUE(WaitUntil([&] { return RunValue() == L"\"" + copy + L"\""; }, 5000))
            << "Run value: " << std::string(RunValue().begin(), RunValue().end());
        EXPECT_TRUE(moved.Close());
    }
    ::DeleteFileW(copy.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace
