#include <gtest/gtest.h>
#include <windows.h>

#include "ChildProcess.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32ProcessApi.h"
#include "platform/win32/Win32TextApi.h"
#include "suppress/ProcessScan.h"

// A program created suspended has no module list yet, as a 64-bit program has none for the
// 32-bit build; the scan still knows it by its image's path, and ends it at once.
TEST(ImageNameWin32, AProgramWithoutAModuleListIsFoundAndEnded) {
    const std::wstring path = HelperProgram(L"th_sleeper.exe");
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    ASSERT_TRUE(::CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                                 nullptr, nullptr, &startup, &info));
    UniqueHandle process(info.hProcess), thread(info.hThread);

    Win32ProcessApi processes(kPlatformNt);
    UniqueHandle inspect(::OpenProcess(kProcessQueryAndRead, FALSE, info.dwProcessId));
    Handle modules[50] = {};
    std::uint32_t needed = 0;
    ASSERT_FALSE(processes.EnumProcessModuleHandles(reinterpret_cast<Handle>(inspect.Get()), modules,
                                                    sizeof modules, &needed))
        << "Wine now lists a suspended process's modules: this test no longer shows the fallback";

    Win32TextApi text;
    const auto found = TerminateAutorunProcessScan(
        processes, text, kPlatformNt, {L"TH_SLEEPER.EXE", path.substr(0, 3)}, nullptr, [](std::uint32_t id) {
            UniqueHandle victim(::OpenProcess(PROCESS_TERMINATE, FALSE, id));
            ::TerminateProcess(victim.Get(), 0);
        });
    ASSERT_EQ(found, info.dwProcessId);
    ASSERT_EQ(::WaitForSingleObject(process.Get(), 10000), WAIT_OBJECT_0);
    DWORD exitCode = 99;
    ::GetExitCodeProcess(process.Get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
}
