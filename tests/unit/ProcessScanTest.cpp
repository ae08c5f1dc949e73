#include <gtest/gtest.h>

#include <vector>

#include "fakes/FakeProcesses.h"
#include "fakes/FakeText.h"
#include "suppress/ProcessMatch.h"
#include "suppress/ProcessScan.h"

namespace {

TEST(ProcessMatch, ThePathMustContainTheNameAndLieOnTheDrive) {
    const struct { const wchar_t* path; const wchar_t* name; const wchar_t* root; bool match; } rows[] = {
        {L"E:\\SETUP.EXE", L"setup.exe", L"E:\\", true},
        {L"E:\\bin\\Setup.exe", L"bin\\setup.exe", L"e:\\", true},
        {L"E:\\D\u00C9MARRER.EXE", L"d\u00E9marrer.exe", L"E:\\", true},
        {L"E:\\setup.exe", L"install.exe", L"E:\\", false},
        {L"C:\\Temp\\setup.exe", L"setup.exe", L"E:\\", false},
        {L"E:\\setup.exe", L"", L"E:\\", false},
    };
    FakeText text;
    for (const auto& row : rows)
        EXPECT_EQ(IsDiscAutorunProcess(text, row.path, row.name, row.root), row.match) << row.path;
}

// Both enumerations hand only the first match to the kill; platforms 1 and 2 and none else
// scan. The list's match is read through the handle that pins it, whatever the listing said.
TEST(ProcessScan, TheFirstMatchInEnumerationOrderShieldsLaterOnes) {
    const struct { std::uint32_t platformId; bool modulesReadable; std::uint64_t listedTime; std::vector<std::uint32_t> killed; } rows[] = {
        {kPlatformWin9x, true, 0, {20}}, {kPlatformNt, true, 0, {20}}, {kPlatformNt, false, 0, {20}},
        {kPlatformNt, true, 77, {20}}, {3, true, 0, {}},
    };
    for (const auto& row : rows) {
        FakeProcesses processes;
        FakeText text;
        processes.Add(10, L"C:\\Temp\\setup.exe");
        FakeProcesses::Process& disc = processes.Add(20, L"E:\\SETUP.EXE");
        disc.modulesReadable = row.modulesReadable;
        disc.listedTime = row.listedTime;
        processes.Add(30, L"E:\\setup.exe");
        std::vector<std::uint32_t> killed;
        ProcessPathCache cache;
        TerminateAutorunProcessScan(processes, text, row.platformId, {L"setup.exe", L"E:\\"}, &cache,
                                    [&](std::uint32_t id) { killed.push_back(id); });
        EXPECT_EQ(killed, row.killed) << row.platformId << row.modulesReadable << row.listedTime;
        EXPECT_EQ(processes.OpenHandles(), 0);
    }
}

}  // namespace
