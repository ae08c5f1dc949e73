#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeProcesses.h"
#include "fakes/FakeText.h"
#include "suppress/AutorunTermination.h"
#include "suppress/ProcessMatch.h"
#include "suppress/ProcessScan.h"

namespace {

TEST(ProcessMatch, ThePathMustContainTheNameAndLieOnTheDrive) {
    const struct { const wchar_t* path; const wchar_t* name; const wchar_t* root; bool match; } rows[] = {
        {L"E:\\SETUP.EXE", L"setup.exe", L"E:\\", true},
        {L"E:\\bin\\Setup.exe", L"bin\\setup.exe", L"e:\\", true},
        {L"E:\\\u0178.EXE", L"\u00FF.exe", L"E:\\", true},
        {L"E:\\D\u00C9MARRER.EXE", L"d\u00E9marrer.exe", L"E:\\", true},
        {L"e:\\\u0161OFT.exe", L"\u0160oft.EXE", L"E:\\", true},
        {L"E:\\setup.exe", L"install.exe", L"E:\\", false},
        {L"C:\\Temp\\setup.exe", L"setup.exe", L"E:\\", false},
        {L"E:\\setup.exe", L"", L"E:\\", false},
    };
    FakeText text;
    for (const auto& row : rows)
        EXPECT_EQ(IsDiscAutorunProcess(text, row.path, row.name, row.root), row.match) << row.path;
}

// Both enumerations hand only the first match to the kill; platforms 1 and 2 and none else scan.
TEST(ProcessScan, TheFirstMatchInEnumerationOrderShieldsLaterOnes) {
    const struct { std::uint32_t platformId; bool modulesReadable; std::vector<std::uint32_t> killed; } rows[] = {
        {kPlatformWin9x, true, {20}}, {kPlatformNt, true, {20}}, {kPlatformNt, false, {20}}, {3, true, {}}
    };
    for (const auto& row : rows) {
        FakeProcesses processes;
        FakeText text;
        processes.Add(10, L"C:\\Temp\\setup.exe");
        processes.Add(20, L"E:\\SETUP.EXE").modulesReadable = row.modulesReadable;
        processes.Add(30, L"E:\\setup.exe");
        std::vector<std::uint32_t> killed;
        ProcessPathCache cache;
        TerminateAutorunProcessScan(processes, text, row.platformId, {L"setup.exe", L"E:\\"}, &cache,
                                    [&](std::uint32_t id) { killed.push_back(id); });
        EXPECT_EQ(killed, row.killed) << row.platformId << row.modulesReadable;
        EXPECT_EQ(processes.OpenHandles(), 0);
    }
}

// An id passes to a new process once the old one is gone: the path read for the old one
// must not stand for the new.
TEST(ProcessScan, AReusedIdIsReadAfresh) {
    FakeProcesses processes;
    FakeText text;
    ProcessPathCache cache;
    std::vector<std::uint32_t> killed;
    const auto kill = [&](std::uint32_t id) { killed.push_back(id); };
    const auto scan = [&] { TerminateAutorunProcessScan(processes, text, kPlatformNt, {L"setup.exe", L"E:\\"}, &cache, kill); };
    FakeProcesses::Process& editor = processes.Add(10, L"C:\\TOOLS\\EDITOR.EXE");
    scan();
    editor.running = false;
    processes.Add(10, L"E:\\SETUP.EXE");
    scan();
    EXPECT_EQ(killed, std::vector<std::uint32_t>{10});
}

// Listing every process is dear under Wine: a tick lists again only when the table or the
// target changed or the last listing cannot stand, and without a fingerprint always. A start
// the fingerprint does not show still dies within a hundred ticks.
TEST(ProcessTableWatch, ATickListsOnlyWhenTheLastListingMayNotStand) {
    FakeProcesses processes;
    FakeFileSystem files;
    FakeText text;
    AutorunTermination window(processes, files, text);
    window.m_sAutorunProgram = L"setup.exe";
    window.m_sTerminateDrive = L"E:\\";
    FakeProcesses::Process& unread = processes.Add(10, L"");
    FakeProcesses::Process* stubborn = nullptr;
    const struct { const char* step; std::function<void()> change; int listings; } steps[] = {
        {"a path not read yet", [] {}, 1}, {"read now", [&] { unread.path = L"C:\\EDITOR.EXE"; }, 1},
        {"nothing changed", [] {}, 0}, {"another disc", [&] { window.m_sTerminateDrive = L"F:\\"; }, 1},
        {"another program", [&] { window.m_sAutorunProgram = L"x.exe"; }, 1}, {"same", [] {}, 0},
        {"a start", [&] { stubborn = &processes.Add(11, L"F:\\X.EXE"); stubborn->killable = false; }, 1},
        {"a kill that failed", [] {}, 1}, {"an exit", [&] { stubborn->running = false; }, 1},
        {"no fingerprint", [&] { processes.fingerprinted = false; }, 1}, {"still none", [] {}, 1},
        {"a fingerprint again", [&] { processes.fingerprinted = true; }, 1},
    };
    for (const auto& step : steps) {
        step.change();
        const int before = processes.listings;
        window.Tick();
        EXPECT_EQ(processes.listings - before, step.listings) << step.step;
    }
    processes.frozenFingerprint = 1;
    window.Tick();
    processes.Add(12, L"F:\\X.EXE");
    for (int tick = 0; tick < 100 && processes.terminated.empty(); ++tick) window.Tick();
    EXPECT_EQ(processes.terminated, std::vector<std::uint32_t>{12});
}

}  // namespace
