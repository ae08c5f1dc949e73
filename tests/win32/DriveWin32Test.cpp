// A disc as the real file calls see it: its files whatever their attributes, and folders
// that bear their names.
#include <gtest/gtest.h>
#include <windows.h>

#include "harness/ProcessResources.h"
#include "harness/TempFolder.h"
#include "platform/win32/Win32FileSystemApi.h"
#include "platform/win32/Win32ProcessApi.h"
#include "platform/win32/Win32TextApi.h"
#include "suppress/AutorunTermination.h"
#include "suppress/InsertionDecision.h"

namespace {

// AutoRun honours a hidden or system autorun file, so the insertion handler must see it
// too, and read it; a folder named like one of the files is not that file.
TEST(DriveWin32, ADiscIsHandledWhenItsFilesAreFilesWhateverTheirAttributes) {
    const struct { const wchar_t* folder; DWORD attributes; bool handled; const wchar_t* program; } rows[] = {
        {nullptr, FILE_ATTRIBUTE_NORMAL, true, L"SETUP.EXE"}, {nullptr, FILE_ATTRIBUTE_READONLY, true, L"SETUP.EXE"},
        {nullptr, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, true, L"SETUP.EXE"},
        {L"AUTORUN.INF", FILE_ATTRIBUTE_NORMAL, false, L""}, {L"VIDEO_TS\\VIDEO_TS.IFO", FILE_ATTRIBUTE_NORMAL, false, L"SETUP.EXE"},
    };
    Win32FileSystemApi files;
    Win32ProcessApi processes;
    Win32TextApi text;
    for (const auto& row : rows) {
        TempFolder disc(L"th-disc-");
        ASSERT_TRUE(disc.Write(L"AUTORUN.INF", "[autorun]\r\nopen=SETUP.EXE\r\n") && disc.Write(L"VIDEO_TS\\VIDEO_TS.IFO", ""));
        for (const wchar_t* path : {L"AUTORUN.INF", L"VIDEO_TS\\VIDEO_TS.IFO"}) {
            const std::wstring file = disc.Path() + L"\\" + path;
            if (row.folder && path == std::wstring(row.folder))
                ASSERT_TRUE(::DeleteFileW(file.c_str()) && ::CreateDirectoryW(file.c_str(), nullptr));
            else
                ASSERT_TRUE(::SetFileAttributesW(file.c_str(), row.attributes));
        }
        const InsertionState state{disc.Path() + L"\\", true, true, false, true};
        EXPECT_EQ(DecideInsertion(state, files, text).terminateAutorun, row.handled) << row.attributes << " " << !!row.folder;
        AutorunTermination window(processes, files, text);
        window.ReadAutorunProgramName(state.root);
        EXPECT_EQ(window.m_sAutorunProgram, row.program) << row.attributes;
    }
}

// Every report searches the disc twice: a search left open would keep a heap block for good.
TEST(DriveWin32, AFileSearchLeavesNothingBehind) {
    TempFolder folder(L"th-search-");
    ASSERT_TRUE(folder.Write(L"AUTORUN.INF", ""));
    Win32FileSystemApi files;
    std::wstring name;
    std::uint32_t attributes = 0;
    const unsigned long before = MeasureThisProcess().heapBlocks;
    for (int search = 0; search < 200; ++search) files.FindFile(folder.Path() + L"\\AUTORUN.INF", &name, &attributes);
    EXPECT_LT(MeasureThisProcess().heapBlocks, before + 100) << "a file search kept its block";
}

}  // namespace
