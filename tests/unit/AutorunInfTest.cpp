#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes/FakeText.h"
#include "suppress/AutorunInf.h"

namespace {

// The bytes of a literal, NULs included.
template <std::size_t N>
std::vector<std::uint8_t> Bytes(const char (&text)[N]) {
    return {text, text + N - 1};
}

// A file of exactly `size` bytes that names a.exe.
std::vector<std::uint8_t> OfSize(std::size_t size) {
    std::vector<std::uint8_t> bytes = Bytes("open=a.exe");
    bytes.resize(size, ' ');
    return bytes;
}

TEST(AutorunInf, TheNameIsTheOpenValueUpToTheFirstExeAfterIt) {
    const struct { const char* story; std::vector<std::uint8_t> file; std::optional<std::wstring> name; } rows[] = {
        {"plain", Bytes("[autorun]\r\nopen=setup.exe\r\n"), L"setup.exe"},
        {"spaces around =", Bytes("OPEN = Setup.EXE"), L"Setup.EXE"},
        {"space after = only", Bytes("open= x.exe"), L"x.exe"},
        {"space before = only", Bytes("open =x.exe"), L"x.exe"},
        {"a second space stays", Bytes("open=  x.exe"), L" x.exe"},
        {"key inside another word", Bytes("reopen=r.exe"), L"r.exe"},
        {"the first key wins", Bytes("open=a.exe\r\nopen=b.exe"), L"a.exe"},
        {"an .exe before the key does not count", Bytes("icon=i.exe\r\nopen=run.exe\r\n"), L"run.exe"},
        {"arguments after the name", Bytes("open=bin\\setup.exe /auto"), L"bin\\setup.exe"},
        {"verbatim across lines", Bytes("open=a b\r\nc.eXe"), L"a b\r\nc.eXe"},
        {"one opening quote goes", Bytes("open=\"My Setup.exe\""), L"My Setup.exe"},
        {"slashes as the path has them", Bytes("open=./bin/setup.exe"), L"bin\\setup.exe"},
        {"only one leading .\\ goes", Bytes("open=.\\.\\s.exe"), L".\\s.exe"},
        {"leading .\\, arguments", Bytes("open=.\\setup.exe /auto"), L"setup.exe"},
        // Real discs' files, from public repositories.
        {"ComputernNerd/hoorndvd", Bytes("[autorun]\nopen=system_dh_11/ShowPage.exe index.html"),
         L"system_dh_11\\ShowPage.exe"},
        {"Windows 95 CD, as Microsoft KB Q172078 quotes it (jeffpar/kbarchive)",
         Bytes("[autorun]\r\nOPEN=AUTORUN\\AUTORUN.EXE\r\nICON=AUTORUN\\WIN95CD.ICO\r\n"), L"AUTORUN\\AUTORUN.EXE"},
        {"no .exe after the key", Bytes("open=setup.bat\r\nicon=x.ex"), std::nullopt},
        {"no key", Bytes("shellexecute=index.htm setup.exe"), std::nullopt},
        {"empty", {}, std::nullopt},
        {"the system's code page", Bytes("open=\x8A\xE9.exe"), L"\u048A\u04E9.exe"},
        {"UTF-8 mark", Bytes("\xEF\xBB\xBFopen=\xC3\xA9\xE2\x82\xAC.exe"), L"\u00E9\u20AC.exe"},
        {"UTF-16 little-endian mark", Bytes("\xFF\xFEo\0p\0e\0n\0=\0\x94\x03.\0e\0x\0e\0"), L"\u0394.exe"},
        {"UTF-16 big-endian mark", Bytes("\xFE\xFF\0o\0p\0e\0n\0=\x03\x94\0.\0e\0x\0e"), L"\u0394.exe"},
        {"32767 bytes are read", OfSize(32767), L"a.exe"},
        {"32768 bytes are not", OfSize(32768), std::nullopt},
    };
    FakeText text;
    for (const auto& row : rows) EXPECT_EQ(ParseAutorunProgramName(text, row.file), row.name) << row.story;
}

}  // namespace
