#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "harness/TempFolder.h"
#include "TestCdDrive.h"
#include "platform/win32/ErrorMode.h"
#include "platform/win32/Win32FileSystemApi.h"
#include "platform/win32/Win32TextApi.h"
#include "suppress/DiscFiles.h"

namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

}  // namespace

TEST(FileSystemWin32, ThePresenceTestFindsFilesWhateverTheirAttributes) {
    TempFolder folder(L"th-files-");
    ASSERT_FALSE(folder.Path().empty());
    struct Case {
        const wchar_t* name;
        DWORD attributes;
        bool found;
    };
    const Case cases[] = {
        {L"Normal.txt", FILE_ATTRIBUTE_NORMAL, true},
        {L"ReadOnly.txt", FILE_ATTRIBUTE_READONLY, true},
        {L"Archive.txt", FILE_ATTRIBUTE_ARCHIVE, true},
        {L"Hidden.txt", FILE_ATTRIBUTE_HIDDEN, true},
        {L"System.txt", FILE_ATTRIBUTE_SYSTEM, true},
        {L"ReadOnlyHidden.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN, true},
    };
    Win32FileSystemApi files;
    Win32TextApi text;
    for (const Case& c : cases) {
        ASSERT_TRUE(folder.Write(c.name, "x"));
        const std::wstring path = folder.Path() + L"\\" + c.name;
        ASSERT_TRUE(::SetFileAttributesW(path.c_str(), c.attributes));

        std::wstring name;
        std::uint32_t attributes = 0;
        ASSERT_EQ(files.FindFile(path, &name, &attributes), 0) << Narrow(c.name);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(attributes & c.attributes, c.attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL))
            << Narrow(c.name);
        const std::optional<std::wstring> presence = FindDiscFile(files, folder.Path() + L"\\" + c.name);
        ASSERT_TRUE(presence.has_value()) << Narrow(c.name);
        EXPECT_EQ(*presence, c.found ? std::wstring(c.name) : std::wstring()) << Narrow(c.name);
    }
    EXPECT_TRUE(DiscHasFile(files, text, folder.Path() + L"\\NORMAL.TXT", L"normal.TXT"))
        << "found under any spelling, reported under its own";
}

TEST(FileSystemWin32, MissingFilesAndFoldersGiveTheirErrors) {
    TempFolder folder(L"th-files-");
    Win32FileSystemApi files;
    Win32TextApi text;
    std::wstring name;
    std::uint32_t attributes = 0;
    EXPECT_EQ(files.FindFile(folder.Path() + L"\\AUTORUN.INF", &name, &attributes), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(files.FindFile(folder.Path() + L"\\VIDEO_TS\\VIDEO_TS.IFO", &name, &attributes),
              ERROR_PATH_NOT_FOUND);
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(files.ReadWholeFile(folder.Path() + L"\\AUTORUN.INF", 32767, &bytes), ERROR_FILE_NOT_FOUND);
}

TEST(FileSystemWin32, WholeFilesAreReadByteForByteUpToTheLimit) {
    TempFolder folder(L"th-files-");
    std::string content(32767, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7);
    ASSERT_TRUE(folder.Write(L"limit.inf", content));
    ASSERT_TRUE(folder.Write(L"over.inf", content + "!"));
    ASSERT_TRUE(folder.Write(L"empty.inf", ""));

    Win32FileSystemApi files;
    Win32TextApi text;
    std::vector<std::uint8_t> bytes;
    ASSERT_EQ(files.ReadWholeFile(folder.Path() + L"\\limit.inf", 32767, &bytes), 0);
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(content.begin(), content.end()));
    bytes = {1};
    EXPECT_EQ(files.ReadWholeFile(folder.Path() + L"\\over.inf", 32767, &bytes), kErrorFileTooLarge);
    EXPECT_EQ(bytes, std::vector<std::uint8_t>{1}) << "nothing is delivered from a file that is too large";
    ASSERT_EQ(files.ReadWholeFile(folder.Path() + L"\\empty.inf", 32767, &bytes), 0);
    EXPECT_TRUE(bytes.empty());
}

TEST(FileSystemWin32, ADiscIsReadThroughTheRootOfItsCdDrive) {
    TempFolder disc(L"th-disc-");
    ASSERT_TRUE(disc.Write(L"AUTORUN.INF", "[autorun]\r\nopen=SETUP.EXE\r\n"));
    ASSERT_TRUE(disc.Write(L"VIDEO_TS\\VIDEO_TS.IFO", "DVDVIDEO-VMG"));
    TestCdDrive drive(disc.Path());
    ASSERT_EQ(drive.Error(), "");

    Win32FileSystemApi files;
    Win32TextApi text;
    EXPECT_EQ(files.GetDriveTypeW(drive.Root()), 5u);
    EXPECT_EQ(files.GetDriveTypeW(L"C:\\"), static_cast<unsigned>(DRIVE_FIXED));
    EXPECT_TRUE(DiscHasFile(files, text, drive.Root() + L"VIDEO_TS\\VIDEO_TS.IFO", L"Video_ts.ifo"));
    EXPECT_TRUE(DiscHasFile(files, text, drive.Root() + L"AUTORUN.INF", L"autorun.inf"));
    std::vector<std::uint8_t> bytes;
    ASSERT_EQ(files.ReadWholeFile(drive.Root() + L"autorun.inf", 32767, &bytes), 0);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "[autorun]\r\nopen=SETUP.EXE\r\n");
}

TEST(FileSystemWin32, AnEmptyCdDriveGivesErrorsAndNoDialog) {
    SuppressCriticalErrorDialogs();
    const UINT mode = ::GetErrorMode();
    EXPECT_EQ(mode & (SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX),
              static_cast<UINT>(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX));

    TestCdDrive drive(L"");
    ASSERT_EQ(drive.Error(), "");
    Win32FileSystemApi files;
    Win32TextApi text;
    EXPECT_EQ(files.GetDriveTypeW(drive.Root()), 5u);

    std::wstring name;
    std::uint32_t attributes = 0;
    const long error = files.FindFile(drive.Root() + L"VIDEO_TS\\VIDEO_TS.IFO", &name, &attributes);
    // Windows answers "not ready"; Wine, which has no device behind the letter, "path not found".
    EXPECT_TRUE(error == ERROR_NOT_READY || error == ERROR_PATH_NOT_FOUND) << "error " << error;
    EXPECT_FALSE(DiscHasFile(files, text, drive.Root() + L"AUTORUN.INF", L"autorun.inf"));
    std::vector<std::uint8_t> bytes;
    EXPECT_NE(files.ReadWholeFile(drive.Root() + L"autorun.inf", 32767, &bytes), 0);
}
