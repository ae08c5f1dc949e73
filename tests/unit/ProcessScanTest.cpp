#include <gtest/gtest.h>

#include <vector>

#include "fakes/FakeProcesses.h"
#include "fakes/FakeText.h"
#include "suppress/ProcessScan.h"

namespace {

// A match lies on the disc's drive and holds the name, letter case aside; both enumerations
// hand only the first match to the kill; platforms 1 and 2 and none else scan. The list's
// match is read through the handle that pins it, whatever the listing said.
TEST(ProcessScan, TheFirstMatchInEnumerationOrderShieldsLaterOnes) {
    const struct { std::uint32_t platformId; bool modulesReadable; std::uint64_t listedTime; std::vector<std::uint32_t> killed; } rows[] = {
        {kPlatformWin9x, true, 0, {20}}, {kPlatformNt, true, 0, {20}}, {kPlatformNt, false, 0, {20}},
        {kPlatformNt, true, 77, {20}}, {3, true, 0, {}},
    };
    for (const auto& row : rows) {
        FakeProcesses processes;
        FakeText text;
        processes.Add(10, L"C:\\Temp\\bin\\d\u00E9marrer.exe");
        FakeProcesses::Process& disc = processes.Add(20, L"E:\\BIN\\D\u00C9MARRER.EXE");
        disc.modulesReadable = row.modulesReadable;
        disc.listedTime = row.listedTime;
        processes.Add(30, L"E:\\bin\\d\u00E9marrer.exe");
        std::vector<std::uint32_t> killed;
        ProcessPathCache cache;
        TerminateAutorunProcessScan(processes, text, row.platformId, {L"bin\\d\u00E9marrer.exe", L"e:\\"}, &cache,
                                    [&](std::uint32_t id) { killed.push_back(id); });
        EXPECT_EQ(killed, row.killed) << row.platformId << row.modulesReadable << row.listedTime;
        EXPECT_EQ(processes.OpenHandles(), 0);
    }
}

}  // namespace
