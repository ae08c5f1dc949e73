// A disc as the real file and volume calls see it through a CD-ROM drive of Wine's mount
// manager: its files whatever their attributes, an empty drive, and volume labels.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "DiscOnCdDrive.h"

namespace {

constexpr DWORD kHiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// AutoRun honours a hidden or system autorun file, so the insertion handler must see it too.
TEST(DriveWin32, ADiscIsHandledWhateverTheAttributesOfItsFiles) {
    const DWORD cases[] = {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN,
                           FILE_ATTRIBUTE_SYSTEM, kHiddenSystem};
    DiscOnCdDrive cd;
    for (const DWORD attributes : cases) {
        for (const wchar_t* path : {L"AUTORUN.INF", L"VIDEO_TS\\VIDEO_TS.IFO"})
            ::SetFileAttributesW((cd.disc.Path() + L"\\" + path).c_str(), FILE_ATTRIBUTE_NORMAL);
        ASSERT_TRUE(cd.Burn("[autorun]\r\nopen=SETUP.EXE\r\n"));
        for (const wchar_t* path : {L"AUTORUN.INF", L"VIDEO_TS\\VIDEO_TS.IFO"})
            ASSERT_TRUE(::SetFileAttributesW((cd.disc.Path() + L"\\" + path).c_str(), attributes));
        cd.form.Timer1.SetEnabled(false);
        cd.form.m_termination.m_sAutorunProgram = L"EARLIER.EXE";

        cd.form.ReportArrival(cd.Root());

        EXPECT_TRUE(cd.form.Timer1.Enabled()) << "attributes " << attributes;
        EXPECT_EQ(cd.form.m_termination.m_sAutorunProgram, L"SETUP.EXE") << "attributes " << attributes;
    }
}

TEST(DriveWin32, AnEmptyDriveIsNoDisc) {
    SuppressCriticalErrorDialogs();
    trayhush::testsupport::WineCdDrive drive(FreeDriveLetter(), L"", L"", trayhush::testsupport::WineCdDrive::Announce::No);
    Win32FileSystemApi files;
    std::wstring name;
    std::uint32_t attributes = 0;
    const long error = files.FindFile(drive.root() + L"AUTORUN.INF", &name, &attributes);
    // Windows answers "not ready"; Wine, which has no device behind the letter, "path not found".
    EXPECT_TRUE(error == ERROR_NOT_READY || error == ERROR_PATH_NOT_FOUND) << "error " << error;
    std::vector<std::uint8_t> bytes;
    EXPECT_NE(files.ReadWholeFile(drive.root() + L"AUTORUN.INF", 32767, &bytes), 0);
}

// Polling sees a labelled disc, an unlabelled one and the drive emptied, each change once.
TEST(DriveWin32, PollingSeesEveryChangeOfTheVolumeLabel) {
    TempFolder movie(L"th-poll-movie-");
    TempFolder plain(L"th-poll-plain-");
    trayhush::testsupport::WineCdDrive drive(FreeDriveLetter(), L"", L"", trayhush::testsupport::WineCdDrive::Announce::No);
    FakePlatform fake;
    Win32FileSystemApi files;
    Platform platform{fake.registry, files, fake.processes, fake.keyboard, fake.shell,
                      fake.hooks,    fake.system, fake.ui,        fake.text};
    Form1 form(platform);
    form.List1.AddItem(drive.root().substr(0, 2));
    form.SnapshotDriveLabels();
    // Every report starts with a Shift key-up: the count of key-ups counts the reports.
    const auto reports = [&] {
        return std::count_if(fake.keyboard.events.begin(), fake.keyboard.events.end(),
                             [](const FakeKeyboard::Event& e) { return e.flags == kKeyEventKeyUp; });
    };
    // Wine reads an empty drive and an unlabelled disc alike, as a volume without a name.
    const std::pair<std::wstring, std::wstring> discs[] = {
        {movie.Path(), L"MOVIE"}, {movie.Path(), L"MOVIE"}, {plain.Path(), L""}, {movie.Path(), L"MOVIE"}, {L"", L""}};
    const long expected[] = {1, 1, 2, 3, 4};
    for (int i = 0; i < 5; ++i) {
        if (discs[i].first.empty())
            drive.eject();
        else
            drive.insert(trayhush::testsupport::windowsToUnixPath(discs[i].first), discs[i].second);
        form.PollDrives();
        EXPECT_EQ(reports(), expected[i]) << "step " << i;
    }
    EXPECT_EQ(form.Text1.Text(), drive.root());
}

}  // namespace
