// Hostile discs on a real CD-ROM drive: files of every size and encoding, hidden and system
// attributes, and paths near and beyond MAX_PATH, read through the real file system calls.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "harness/TempFolder.h"
#include "TestCdDrive.h"
#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "platform/win32/ErrorMode.h"
#include "platform/win32/Win32FileSystemApi.h"
#include "platform/win32/Win32ProcessApi.h"
#include "suppress/DiscFiles.h"
#include "suppress/ProcessScan.h"
#include "platform/win32/Win32TextApi.h"

// The scan alone: which process it would end, without ending it.
static std::optional<std::uint32_t> FindAutorunProcess(ProcessApi& api, std::uint32_t platformId,
                                                       const std::wstring& name, const std::wstring& root) {
    Win32TextApi text;
    return TerminateAutorunProcessScan(api, text, platformId, {name, root}, nullptr, [](std::uint32_t) {});
}


namespace {

const wchar_t kEarlierName[] = L"EARLIER.EXE";

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

std::string Utf16Le(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// One CD-ROM drive whose disc is a folder of this test; the main window reads it through the
// real file system and blocks with method one. Processes and everything else are fake.
class HostileDiscWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        SuppressCriticalErrorDialogs();
        ASSERT_FALSE(disc.Path().empty());
        drive = std::make_unique<TestCdDrive>(disc.Path());
        ASSERT_EQ(drive->Error(), "");
        form.Check[4].SetValue(0);
        form.FillDriveList();
        form.SelectAllDrives();
    }

    // Rewrites the disc as a normal DVD-Video disc with the given autorun.inf.
    void Burn(const std::string& autorunInf) {
        for (const wchar_t* path : {L"AUTORUN.INF", L"VIDEO_TS\\VIDEO_TS.IFO", L"VIDEO_TS"})
            ::SetFileAttributesW((disc.Path() + L"\\" + path).c_str(), FILE_ATTRIBUTE_NORMAL);
        ASSERT_TRUE(disc.Write(L"AUTORUN.INF", autorunInf));
        ASSERT_TRUE(disc.Write(L"VIDEO_TS\\VIDEO_TS.IFO", "DVDVIDEO-VMG"));
    }

    TempFolder disc{L"th-hostile-"};
    std::unique_ptr<TestCdDrive> drive;
    Win32FileSystemApi files;
    Win32TextApi text;
    FakePlatform fake;
    Platform platform = fake.WithFiles(files);
    Form1 form{platform};
};

}  // namespace

TEST_F(HostileDiscWin32, EachDiscIsJudgedOnItsFilesAsTheyLieOnTheDrive) {
    std::string garbage(4096, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 131 % 256);
    struct Mark {
        const wchar_t* path;
        DWORD attributes;
    };
    struct Disc {
        const char* story;
        std::string autorunInf;
        std::vector<Mark> marks;
        bool handled;
        const wchar_t* name;  // the autorun program taken from the disc
    };
    const DWORD hiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const Disc discs[] = {
        {"plain", "[autorun]\r\nopen=SETUP.EXE\r\n", {}, true, L"SETUP.EXE"},
        {"0 bytes", "", {}, true, kEarlierName},
        {"10 MB", "open=HUGE.EXE" + std::string(10 * 1024 * 1024, ' '), {}, true, kEarlierName},
        {"binary garbage", garbage, {}, true, kEarlierName},
        {"UTF-16 with its mark",
         Utf16Le(u"[AutoRun]\r\nOPEN = \u00C4pfel.exe\r\n"),
         {},
         true,
         L"\u00C4pfel.exe"},
        {"UTF-8 with its mark", "\xEF\xBB\xBFopen=D\xC3\xA9mo.exe", {}, true, L"D\u00E9mo.exe"},
        {"hidden VIDEO_TS folder",
         "open=SETUP.EXE",
         {{L"VIDEO_TS", FILE_ATTRIBUTE_DIRECTORY | hiddenSystem}},
         true,
         L"SETUP.EXE"},
        {"read-only files",
         "open=SETUP.EXE",
         {{L"AUTORUN.INF", FILE_ATTRIBUTE_READONLY}, {L"VIDEO_TS\\VIDEO_TS.IFO", FILE_ATTRIBUTE_READONLY}},
         true,
         L"SETUP.EXE"},
        // AutoRun honours a hidden or system autorun file, so Trayhush must see it too.
        {"hidden autorun.inf",
         "open=SETUP.EXE",
         {{L"AUTORUN.INF", FILE_ATTRIBUTE_HIDDEN}},
         true,
         L"SETUP.EXE"},
        {"system VIDEO_TS.IFO",
         "open=SETUP.EXE",
         {{L"VIDEO_TS\\VIDEO_TS.IFO", FILE_ATTRIBUTE_SYSTEM}},
         true,
         L"SETUP.EXE"},
        {"hidden system files",
         "open=SETUP.EXE",
         {{L"AUTORUN.INF", hiddenSystem}, {L"VIDEO_TS\\VIDEO_TS.IFO", hiddenSystem}},
         true,
         L"SETUP.EXE"},
    };
    for (const Disc& d : discs) {
        Burn(d.autorunInf);
        for (const Mark& mark : d.marks)
            ASSERT_TRUE(::SetFileAttributesW((disc.Path() + L"\\" + mark.path).c_str(), mark.attributes))
                << d.story;
        form.Timer1.SetEnabled(false);
        form.m_sAutorunProgram = kEarlierName;

        form.ReportArrival(drive->Root());

        EXPECT_EQ(form.Timer1.Enabled(), d.handled) << d.story;
        EXPECT_EQ(form.m_sAutorunProgram, d.name) << d.story;
    }
    // The real calls see hidden and system files and say so.
    std::wstring name;
    std::uint32_t attributes = 0;
    ASSERT_EQ(files.FindFile(drive->Root() + L"VIDEO_TS\\VIDEO_TS.IFO", &name, &attributes), 0);
    EXPECT_EQ(name, L"VIDEO_TS.IFO");
    EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
              static_cast<std::uint32_t>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

TEST_F(HostileDiscWin32, PathsNearAndBeyondMaxPathAreReadOrRefusedButNeverOverrun) {
    // Folders of 40 characters down to a depth that passes MAX_PATH, a file at every level.
    struct Path {
        std::wstring path;
        bool exists;
    };
    std::vector<Path> paths;
    std::wstring relative;
    while (relative.size() < 600) {
        relative += std::wstring(relative.empty() ? 0 : 1, L'\\') + std::wstring(40, L'd');
        ASSERT_TRUE(disc.Write(relative + L"\\AUTORUN.INF", "open=DEEP.EXE")) << relative.size();
        paths.push_back({drive->Root() + relative + L"\\AUTORUN.INF", true});
    }
    paths.push_back({L"\\\\?\\" + drive->Root() + relative + L"\\AUTORUN.INF", true});
    paths.push_back({drive->Root() + std::wstring(MAX_PATH - 4, L'n'), false});
    paths.push_back({drive->Root() + std::wstring(MAX_PATH, L'n'), false});
    paths.push_back({drive->Root() + std::wstring(40000, L'n') + L"\\AUTORUN.INF", false});

    for (const Path& p : paths) {
        const std::string story = std::to_string(p.path.size()) + " characters";
        std::wstring name = L"untouched";
        std::uint32_t attributes = 0;
        const long found = files.FindFile(p.path, &name, &attributes);
        std::vector<std::uint8_t> bytes = {1};
        const long read = files.ReadWholeFile(p.path, 32767, &bytes);
        if (p.exists && p.path.size() < MAX_PATH) {
            EXPECT_EQ(found, 0) << story;
            EXPECT_EQ(name, L"AUTORUN.INF") << story;
            EXPECT_EQ(read, 0) << story;
            EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "open=DEEP.EXE") << story;
            EXPECT_TRUE(DiscHasFile(files, text, p.path, L"autorun.inf")) << story;
            continue;
        }
        // Beyond MAX_PATH a system may refuse; whatever it delivers must be whole.
        EXPECT_EQ(found == 0, p.exists && name == L"AUTORUN.INF") << story;
        EXPECT_EQ(read == 0, p.exists && bytes.size() == 13) << story;
        EXPECT_TRUE(read == 0 || bytes == std::vector<std::uint8_t>{1})
            << story << ": a refused read delivers nothing";
    }
}

TEST_F(HostileDiscWin32, AProgramDeepOnTheDiscIsFoundUpToMaxPath) {
    const std::wstring sleeper = HelperProgram(L"th_sleeper.exe");
    // The deepest folder that leaves room for "\SETUP.EXE" within MAX_PATH - 1 characters.
    std::wstring relative;
    while (drive->Root().size() + relative.size() + 1 + 40 + 10 < MAX_PATH)
        relative += std::wstring(relative.empty() ? 0 : 1, L'\\') + std::wstring(40, L'd');
    ASSERT_TRUE(disc.Write(relative + L"\\keep", ""));
    const std::wstring exe = relative + L"\\SETUP.EXE";
    ASSERT_TRUE(::CopyFileW(sleeper.c_str(), (disc.Path() + L"\\" + exe).c_str(), FALSE));
    const std::wstring onDrive = drive->Root() + exe;
    ASSERT_GT(onDrive.size(), MAX_PATH - 45u);
    ASSERT_LT(onDrive.size(), static_cast<std::size_t>(MAX_PATH));

    ChildProcess deep(L"\"" + onDrive + L"\"");
    ASSERT_TRUE(deep.Started()) << Narrow(onDrive);
    for (const std::uint32_t platformId : {1u, 2u}) {
        Win32ProcessApi processes(platformId);
        std::optional<std::uint32_t> found;
        for (int attempt = 0; attempt < 200 && !found; ++attempt) {
            found = FindAutorunProcess(processes, platformId, L"setup.exe", drive->Root());
            if (!found) ::Sleep(10);
        }
        ASSERT_TRUE(found.has_value()) << "platform " << platformId;
        EXPECT_EQ(*found, deep.Id()) << "platform " << platformId;
    }
}
