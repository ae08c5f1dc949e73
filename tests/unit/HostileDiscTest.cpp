// Discs made to confuse: encoded, oddly spelled, oversized or aimed at other drives.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "suppress/AutorunInf.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Ansi(const std::string& text) {
    return {text.begin(), text.end()};
}

// The UTF-16 code units of a text, after a byte-order mark unless told otherwise.
Bytes Utf16(const std::u16string& text, bool bigEndian, bool withMark = true, std::size_t cut = 0) {
    Bytes bytes;
    if (withMark) bytes = bigEndian ? Bytes{0xFE, 0xFF} : Bytes{0xFF, 0xFE};
    for (const char16_t unit : text) {
        const auto high = static_cast<std::uint8_t>(unit >> 8), low = static_cast<std::uint8_t>(unit & 0xFF);
        bytes.insert(bytes.end(), bigEndian ? std::initializer_list<std::uint8_t>{high, low}
                                            : std::initializer_list<std::uint8_t>{low, high});
    }
    bytes.resize(bytes.size() - cut);
    return bytes;
}

std::string Printable(const Bytes& bytes) {
    std::string text;
    for (const std::uint8_t b : bytes) text += b >= 0x20 && b < 0x7F ? static_cast<char>(b) : '.';
    return text;
}

struct FileCase {
    Bytes file;
    std::optional<std::wstring> name;
};

}  // namespace

TEST(HostileDiscTest, MarkedEncodingsAreDecodedAndEverythingElseReadByteForByte) {
    const FileCase cases[] = {
        {Ansi("\xEF\xBB\xBF[autorun]\r\nopen=setup.exe\r\n"), L"setup.exe"},
        {Ansi("\xEF\xBB\xBFopen=D\xC3\xA9mo\xE2\x82\xAC.exe"), L"D\u00E9mo\u20AC.exe"},
        {Ansi("\xEF\xBB\xBFopen=a\xFF\xC3.exe"), L"a\uFFFD\uFFFD.exe"},
        {Ansi("\xEF\xBB\xBFopen=\xE0\x80\xAF.exe"), L"\uFFFD\uFFFD\uFFFD.exe"},  // an overlong "/"
        {Utf16(u"[autorun]\r\nopen=Setup.exe\r\n", false), L"Setup.exe"},
        {Utf16(u"[AutoRun]\r\nOPEN = Setup.EXE\r\n", true), L"Setup.EXE"},
        {Utf16(u"open=\u00C4pfel.exe", false), L"\u00C4pfel.exe"},
        {Utf16(u"open=\U0001F4BF.exe", true), L"\U0001F4BF.exe"},
        {Utf16(u"open=\xD800x.exe", false), L"\uFFFDx.exe"},
        {Utf16(u"open=x.exe\u2100", false, true, 1), L"x.exe"},  // the file ends inside a character
        {Utf16(u"open=x.exe", false, false), std::nullopt},  // no mark: bytes, with a NUL between each
        {Ansi("open=\xFF\xFE.exe"), L"\u00FF\u00FE.exe"},    // a mark in the middle is just bytes
        {{0xFF, 0xFE}, std::nullopt},
        {{0xFE, 0xFF, 0x00}, std::nullopt},
        {Ansi("\xEF\xBB\xBF"), std::nullopt},
    };
    FakeText text;
    for (const FileCase& c : cases) EXPECT_EQ(ParseAutorunProgramName(text, c.file), c.name) << Printable(c.file);
}

TEST(HostileDiscTest, OnlyTheFourSpellingsOfTheOpenKeyCount) {
    const FileCase cases[] = {
        {Ansi("   open=setup.exe"), L"setup.exe"},
        {Ansi("\topen =setup.exe"), L"setup.exe"},
        {Ansi("Open\t=setup.exe"), std::nullopt},
        {Ansi("open  =setup.exe"), std::nullopt},
        {Ansi("open=\tsetup.exe"), L"\tsetup.exe"},  // never a process path
        {Ansi("shellexecute=setup.exe"), std::nullopt},
        {Ansi("shellexecute=play.exe\r\nopen=setup.exe"), L"setup.exe"},
        {Ansi("shell\\open\\command=setup.exe"), std::nullopt},
        {Ansi("[Content]\r\nOPEN =first.exe\r\n[autorun]\r\nopen=second.exe"), L"first.exe"},
        {Ansi("open=setup"), std::nullopt},
        {Ansi("open=setup.com"), std::nullopt},
        {Ansi("open=setup.ex_"), std::nullopt},
        {Ansi("open=setup.com\r\nicon=disc.exe"), L"setup.com\r\nicon=disc.exe"},
    };
    FakeText text;
    for (const FileCase& c : cases) EXPECT_EQ(ParseAutorunProgramName(text, c.file), c.name) << Printable(c.file);
}

namespace {

// The file reads that the program asks for, so that a test can see how much it may read.
class RecordedFiles : public FakeFileSystem {
public:
    long ReadWholeFile(const std::wstring& path, std::size_t maxBytes, Bytes* bytes) override {
        largestRead = std::max(largestRead, maxBytes);
        return FakeFileSystem::ReadWholeFile(path, maxBytes, bytes);
    }
    std::size_t largestRead = 0;
};

// Optical drives D: and E:, block method one, and a first disc in E: that named SETUP.EXE.
struct DiscMachine {
    DiscMachine() {
        files.AddCdrom(L'D');
        files.AddCdrom(L'E');
        form.Check[4].SetValue(0);
        form.FillDriveList();
        form.SelectAllDrives();
        InsertAndReport(Ansi("open=SETUP.EXE"));
    }
    void InsertAndReport(const Bytes& autorunInf) {
        files.InsertDvdVideo(L'E', "");
        files.FindFileOn(L'E', L"AUTORUN.INF")->bytes = autorunInf;
        form.ReportArrival(L"E:\\");
    }

    FakePlatform fake;
    RecordedFiles files;
    Platform platform = fake.WithFiles(files);
    Form1 form{platform};
};

}  // namespace

TEST(HostileDiscTest, ATenMegabyteFileIsNeverReadAndTheEarlierNameStays) {
    DiscMachine machine;
    ASSERT_EQ(machine.form.m_sAutorunProgram, L"SETUP.EXE");
    Bytes huge(10 * 1024 * 1024, ' ');
    const std::string key = "open=other.exe";
    std::copy(key.begin(), key.end(), huge.begin());
    machine.files.largestRead = 0;

    machine.InsertAndReport(huge);

    EXPECT_EQ(machine.form.m_sAutorunProgram, L"SETUP.EXE");
    EXPECT_TRUE(machine.form.Timer1.Enabled()) << "the window opens all the same";
    EXPECT_GT(machine.files.largestRead, 0u);
    EXPECT_LE(machine.files.largestRead, kMaxAutorunInfChars) << "a read is bounded before it starts";
}

TEST(HostileDiscTest, ANameAimedAtOtherDrivesKillsNothingOffTheDisc) {
    // Ids 1 to 8 in enumeration order; only 7 and 8 lie on the disc.
    const wchar_t* const table[] = {
        L"C:\\WINDOWS\\EXPLORER.EXE", L"\\\\SERVER\\SHARE\\SETUP.EXE", L"D:\\SETUP.EXE", L"", L"SETUP.EXE",
        L"\\\\?\\E:\\SETUP.EXE",      L"E:\\TOOLS\\VIEWER.EXE",        L"E:\\Setup.exe"};
    struct Disc {
        Bytes autorunInf;
        std::vector<std::uint32_t> firstKill;
    };
    const Disc discs[] = {
        {Ansi("open=C:\\WINDOWS\\EXPLORER.EXE"), {}},
        {Ansi("open=..\\..\\WINDOWS\\explorer.exe"), {}},
        {Ansi("open=explorer.exe"), {}},
        {Ansi("open=\\\\SERVER\\SHARE\\SETUP.EXE"), {}},
        {Ansi("open=D:\\SETUP.EXE"), {}},
        {Ansi("open=E:\\setup.exe"), {8}},
        {Ansi("open=.exe"), {7}},  // every program on the disc answers to it
        {Utf16(u"[autorun]\r\nopen=setup.exe\r\n", false), {8}},
    };
    for (const std::uint32_t platformId : {kPlatformWin9x, kPlatformNt}) {
        for (const Disc& disc : discs) {
            DiscMachine machine;
            machine.fake.processes.platformId = platformId;
            std::uint32_t id = 0;
            for (const wchar_t* path : table) machine.fake.processes.Add(++id, path);
            machine.InsertAndReport(disc.autorunInf);
            const std::string story =
                Printable(disc.autorunInf) + " on platform " + std::to_string(platformId);

            machine.form.Timer1.Fire();
            EXPECT_EQ(machine.fake.processes.Terminated(), disc.firstKill) << story;
            machine.form.Timer1.Fire();
            machine.form.Timer1.Fire();
            for (const std::uint32_t killed : machine.fake.processes.Terminated())
                EXPECT_TRUE(killed == 7 || killed == 8) << story << " killed " << killed;
            EXPECT_EQ(machine.fake.processes.OpenHandles(), 0) << story;
        }
    }
}
