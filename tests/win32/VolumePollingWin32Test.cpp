#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "harness/TempFolder.h"
#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "platform/win32/ErrorMode.h"
#include "platform/win32/Win32FileSystemApi.h"
#include "harness/WineDrive.h"

namespace {

using trayhush::testsupport::isRunningUnderWine;
using trayhush::testsupport::WineCdDrive;
using trayhush::testsupport::windowsToUnixPath;

std::wstring Fingerprint(const std::wstring& label) { return label + L'\0'; }

// The highest letter below Z: that no drive uses, or 0.
wchar_t FreeLetter() {
    const DWORD used = ::GetLogicalDrives();
    for (wchar_t letter = L'Y'; letter > L'C'; --letter)
        if ((used & (1u << (letter - L'A'))) == 0) return letter;
    return 0;
}

// A Form1 whose volume queries go to the real system; everything else is a fake.
class VolumePollingWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        if (!isRunningUnderWine()) GTEST_SKIP() << "drives are defined through Wine's mount manager";
        SuppressCriticalErrorDialogs();
        letter = FreeLetter();
        ASSERT_NE(letter, 0) << "no free drive letter";
        form1 = std::make_unique<Form1>(platform);
    }

    // A folder that a drive can present as its disc.
    std::wstring DiscFolder(const TempFolder& folder) {
        const std::wstring unixFolder = windowsToUnixPath(folder.Path());
        EXPECT_FALSE(unixFolder.empty());
        return unixFolder;
    }
    std::wstring Entry() const { return std::wstring(1, letter) + L":"; }
    std::wstring Letter() const { return std::wstring(1, letter); }
    int HandlerRuns() const {
        return static_cast<int>(std::count_if(fakes.keyboard.events.begin(), fakes.keyboard.events.end(),
                                              [](const FakeKeyboard::Event& e) { return e.flags == 2; }));
    }

    FakePlatform fakes;
    Win32FileSystemApi files;
    Platform platform = fakes.WithFiles(files);
    std::unique_ptr<Form1> form1;
    wchar_t letter = 0;
};

TEST_F(VolumePollingWin32Test, APassSeesALabelledDiscAnUnlabelledOneAndTheirRemoval) {
    TempFolder movie(L"th-poll-movie-");
    TempFolder plain(L"th-poll-plain-");
    auto drive = std::make_unique<WineCdDrive>(letter, L"", L"", WineCdDrive::Announce::No);
    form1->List1.AddItem(Entry());
    form1->SnapshotDriveLabels();
    // Windows reads an empty drive as no volume at all; Wine as a volume without a name.
    EXPECT_EQ(form1->m_sDriveLabels[0], std::wstring(1, L'\0'));

    drive->insert(DiscFolder(movie), L"MOVIE");
    form1->PollDrives();
    EXPECT_EQ(form1->Text1.Text(), Entry() + L"\\");
    EXPECT_EQ(form1->m_sDriveLabels[0], Fingerprint(L"MOVIE"));
    EXPECT_EQ(HandlerRuns(), 1);

    form1->PollDrives();
    EXPECT_EQ(HandlerRuns(), 1) << "the same disc again is no arrival";

    drive->insert(DiscFolder(plain));
    form1->PollDrives();
    EXPECT_EQ(form1->m_sDriveLabels[0], std::wstring(1, L'\0')) << "no label still reads as a disc";
    EXPECT_EQ(HandlerRuns(), 2);

    drive->insert(DiscFolder(movie), L"MOVIE");
    form1->PollDrives();
    drive->eject();
    form1->PollDrives();
    EXPECT_EQ(HandlerRuns(), 4) << "the removal is reported too";
    EXPECT_EQ(form1->Text1.Text(), Entry() + L"\\");

    drive.reset();  // the letter itself goes
    form1->PollDrives();
    EXPECT_EQ(form1->m_sDriveLabels[0], L"");
    EXPECT_EQ(HandlerRuns(), 5);
}

TEST_F(VolumePollingWin32Test, UnknownAndMissingLettersReadAsNothing) {
    const VolumeInfo unknown = form1->GetVolumeInfo(Letter());
    EXPECT_EQ(unknown.VolumeName, L"");
    EXPECT_EQ(unknown.FileSystemName, L"");
    EXPECT_EQ(unknown.SerialNumber, 0u);
    EXPECT_EQ(form1->GetVolumeLabel(L""), L"") << "a list shorter than six asks about \":\\\"";

    form1->List1.AddItem(Entry());
    form1->SnapshotDriveLabels();
    form1->PollDrives();
    EXPECT_EQ(HandlerRuns(), 0);
    for (const std::wstring& label : form1->m_sDriveLabels) EXPECT_EQ(label, L"");
}

}  // namespace
