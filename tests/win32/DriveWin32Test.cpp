// A disc as the real file calls see it through a CD-ROM drive of Wine's mount manager: its
// files whatever their attributes, and folders that bear their names.
#include <gtest/gtest.h>
#include <windows.h>


#include "DiscOnCdDrive.h"

namespace {

// AutoRun honours a hidden or system autorun file, so the insertion handler must see it
// too; a folder named like one of the files is not that file.
TEST(DriveWin32, ADiscIsHandledWhenItsFilesAreFilesWhateverTheirAttributes) {
    const struct { const wchar_t* folder; DWORD attributes; bool handled; } rows[] = {
        {nullptr, FILE_ATTRIBUTE_NORMAL, true}, {nullptr, FILE_ATTRIBUTE_READONLY, true},
        {nullptr, FILE_ATTRIBUTE_HIDDEN, true}, {nullptr, FILE_ATTRIBUTE_SYSTEM, true},
        {nullptr, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, true},
        {L"AUTORUN.INF", FILE_ATTRIBUTE_NORMAL, false}, {L"VIDEO_TS\\VIDEO_TS.IFO", FILE_ATTRIBUTE_NORMAL, false},
    };
    for (const auto& row : rows) {
        DiscOnCdDrive cd;
        ASSERT_TRUE(cd.Burn("[autorun]\r\nopen=SETUP.EXE\r\n"));
        for (const wchar_t* path : {L"AUTORUN.INF", L"VIDEO_TS\\VIDEO_TS.IFO"}) {
            const std::wstring file = cd.disc.Path() + L"\\" + path;
            if (row.folder && path == std::wstring(row.folder))
                ASSERT_TRUE(::DeleteFileW(file.c_str()) && ::CreateDirectoryW(file.c_str(), nullptr));
            else
                ASSERT_TRUE(::SetFileAttributesW(file.c_str(), row.attributes));
        }
        cd.form.ReportArrival(cd.Root());
        EXPECT_EQ(cd.form.Timer1.Enabled(), row.handled) << row.attributes << " " << (row.folder ? "folder" : "");
        EXPECT_EQ(cd.form.m_termination.m_sAutorunProgram, row.handled ? L"SETUP.EXE" : L"");
    }
}

// The busy blocks of this process's heap, where Wine keeps a file search until it is closed.
std::size_t HeapBlocksInUse() {
    std::size_t blocks = 0;
    PROCESS_HEAP_ENTRY entry{};
    HeapLock(GetProcessHeap());
    while (HeapWalk(GetProcessHeap(), &entry)) blocks += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
    HeapUnlock(GetProcessHeap());
    return blocks;
}

// Every report searches the disc twice: a search left open would keep a block for good.
TEST(DriveWin32, AFileSearchLeavesNothingBehind) {
    TempFolder folder(L"th-search-");
    ASSERT_TRUE(folder.Write(L"AUTORUN.INF", ""));
    Win32FileSystemApi files;
    std::wstring name;
    std::uint32_t attributes = 0;
    const std::size_t before = HeapBlocksInUse();
    for (int search = 0; search < 200; ++search) files.FindFile(folder.Path() + L"\\AUTORUN.INF", &name, &attributes);
    EXPECT_LT(HeapBlocksInUse(), before + 100);
}

}  // namespace
