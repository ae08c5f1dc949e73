// The real Trayhush.exe over hostile values in the real registry: wrong types and sizes, a
// 100 KB drive list, a settings key that refuses reading. It must start, run, and store no
// more than a start stores.
#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "win32/support/TrayhushProcess.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Raw = std::pair<DWORD, Bytes>;  // a value's type and data

const wchar_t kSettings[] = L"Software\\Trayhush\\Settings";
const wchar_t kRun[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunName[] = L"Trayhush";

Bytes Dword(DWORD n) {
    return {Bytes::value_type(n), Bytes::value_type(n >> 8), Bytes::value_type(n >> 16),
            Bytes::value_type(n >> 24)};
}

Bytes Utf16z(const std::wstring& text) {
    Bytes bytes;
    for (const wchar_t c : text + L'\0')
        bytes.insert(bytes.end(), {Bytes::value_type(c), Bytes::value_type(c >> 8)});
    return bytes;
}

// Every value of a key by name, or nothing when the key cannot be read.
std::optional<std::vector<std::pair<std::wstring, Raw>>> ValuesOf(HKEY root, const wchar_t* path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    std::vector<std::pair<std::wstring, Raw>> values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD length = 256, type = 0, size = 0;
        if (::RegEnumValueW(key, i, name, &length, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        Bytes data(size);
        ::RegQueryValueExW(key, name, nullptr, &type, data.data(), &size);
        values.push_back({std::wstring(name, length), {type, data}});
    }
    ::RegCloseKey(key);
    return values;
}

std::optional<Raw> ValueOf(HKEY root, const wchar_t* path, const wchar_t* name) {
    if (const auto values = ValuesOf(root, path))
        for (const auto& v : *values)
            if (::CompareStringOrdinal(v.first.c_str(), -1, name, -1, TRUE) == CSTR_EQUAL) return v.second;
    return std::nullopt;
}

void Store(HKEY root, const wchar_t* path, const wchar_t* name, const Raw& raw) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(
        ::RegSetValueExW(key, name, 0, raw.first, raw.second.data(), static_cast<DWORD>(raw.second.size())),
        ERROR_SUCCESS);
    ::RegCloseKey(key);
}

// The key's security as SDDL says, for as long as the object lives.
class KeySecurity {
public:
    KeySecurity(HKEY root, const wchar_t* path, const wchar_t* sddl) : root_(root), path_(path) {
        applied_ = Apply(sddl);
    }
    ~KeySecurity() { Apply(L"D:(A;;KA;;;WD)"); }
    bool Applied() const { return applied_; }

private:
    bool Apply(const wchar_t* sddl) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor,
                                                                    nullptr))
            return false;
        HKEY key = nullptr;
        bool done = false;
        if (::RegOpenKeyExW(root_, path_, 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
            done = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
            ::RegCloseKey(key);
        }
        ::LocalFree(descriptor);
        return done;
    }
    HKEY root_;
    const wchar_t* path_;
    bool applied_;
};

// The program's settings (machine-wide and per user) and its Run value are saved before each
// test, cleared for it, and put back afterwards.
class BadSettingsExe : public ::testing::Test {
protected:
    void SetUp() override {
        savedMachine_ = ValuesOf(HKEY_LOCAL_MACHINE, kSettings);
        savedUser_ = ValuesOf(HKEY_CURRENT_USER, kSettings);
        savedRun_ = ValueOf(HKEY_LOCAL_MACHINE, kRun, kRunName);
        Clear();
        // A moved program's entry: start-up repairs it in its very last step, which tells
        // the test that start-up is over.
        Store(HKEY_LOCAL_MACHINE, kRun, kRunName, {REG_SZ, Utf16z(L"\"C:\\Old\\Trayhush.exe\"")});
    }
    void TearDown() override {
        Clear();
        for (const auto& [root, values] : {std::make_pair(HKEY_LOCAL_MACHINE, savedMachine_),
                                           std::make_pair(HKEY_CURRENT_USER, savedUser_)})
            if (values)
                for (const auto& v : *values) Store(root, kSettings, v.first.c_str(), v.second);
        if (savedRun_) Store(HKEY_LOCAL_MACHINE, kRun, kRunName, *savedRun_);
    }
    static void Clear() {
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kSettings);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettings);
        ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRun, kRunName);
    }
    void Plant(const wchar_t* name, const Raw& raw) { Store(HKEY_LOCAL_MACHINE, kSettings, name, raw); }

    // Starts the program and waits until start-up is over; then it must be running and
    // answering messages.
    void StartAndSettle(TrayhushProcess& program) {
        ASSERT_TRUE(program.Started());
        const Raw repaired = {REG_SZ, Utf16z(L"\"" + TrayhushProcess::ExePath() + L"\"")};
        ASSERT_TRUE(WaitUntil([&] { return ValueOf(HKEY_LOCAL_MACHINE, kRun, kRunName) == repaired; }, 15000))
            << "start-up never reached its last step";
        HWND window = program.MainWindow();
        ASSERT_NE(window, nullptr);
        DWORD_PTR answer = 0;
        EXPECT_NE(::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer), 0)
            << "the program does not answer";
        EXPECT_FALSE(program.WaitForExit(0)) << "the program ended";
    }

    void ExpectSettings(const std::vector<std::pair<std::wstring, Raw>>& expected) {
        const auto values = ValuesOf(HKEY_LOCAL_MACHINE, kSettings);
        ASSERT_TRUE(values.has_value());
        EXPECT_EQ(values->size(), expected.size()) << "start-up stored a value it has no business storing";
        for (const auto& [name, raw] : expected) {
            const std::optional<Raw> stored = ValueOf(HKEY_LOCAL_MACHINE, kSettings, name.c_str());
            ASSERT_TRUE(stored.has_value()) << std::string(name.begin(), name.end());
            EXPECT_EQ(stored->first, raw.first) << std::string(name.begin(), name.end());
            EXPECT_TRUE(stored->second == raw.second) << std::string(name.begin(), name.end());
        }
        EXPECT_FALSE(ValuesOf(HKEY_CURRENT_USER, kSettings).has_value()) << "nothing goes to the user's key";
    }

private:
    std::optional<std::vector<std::pair<std::wstring, Raw>>> savedMachine_, savedUser_;
    std::optional<Raw> savedRun_;
};

}  // namespace

TEST_F(BadSettingsExe, WrongTypesAndAHugeDriveListLeaveTheProgramRunningOnItsDefaults) {
    std::wstring letters(50000, L'x');
    letters.back() = L'E';
    const Raw shortDword = {REG_DWORD, {1, 0}};
    const Raw allDrivesOutOfRange = {REG_DWORD, Dword(0xFFFFFFFF)};
    const Raw hugeDrivelist = {REG_SZ, Utf16z(letters)};
    Plant(L"Disabled", shortDword);
    Plant(L"DetectionMethod", {REG_SZ, Utf16z(L"1")});
    Plant(L"BlockMethod", {REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}});
    Plant(L"RunDefaultAutorunProgram", {REG_DWORD_BIG_ENDIAN, {0, 0, 0, 1}});
    Plant(L"AllDrives", allDrivesOutOfRange);
    Plant(L"Drivelist", hugeDrivelist);

    TrayhushProcess program;
    StartAndSettle(program);

    // The three unreadable values that a first start stores are replaced by their defaults;
    // the others are left exactly as they were.
    const Raw zero = {REG_DWORD, Dword(0)};
    ExpectSettings({{L"Disabled", shortDword},
                    {L"DetectionMethod", zero},
                    {L"BlockMethod", zero},
                    {L"RunDefaultAutorunProgram", zero},
                    {L"AllDrives", allDrivesOutOfRange},
                    {L"Drivelist", hugeDrivelist}});
    DWORD exitCode = 99;
    ASSERT_TRUE(program.Close());
    ASSERT_TRUE(program.WaitForExit(0, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(BadSettingsExe, AnUnreadableSettingsKeyGivesTheDefaults) {
    Plant(L"Disabled", {REG_DWORD, Dword(1)});
    Plant(L"DetectionMethod", {REG_DWORD, Dword(1)});
    Plant(L"BlockMethod", {REG_DWORD, Dword(1)});
    Plant(L"RunDefaultAutorunProgram", {REG_DWORD, Dword(1)});
    Plant(L"AllDrives", {REG_DWORD, Dword(0)});
    Plant(L"Drivelist", {REG_SZ, Utf16z(L"E")});
    {
        // Everybody may write the key, nobody may read it.
        KeySecurity denied(HKEY_LOCAL_MACHINE, kSettings, L"D:(D;;KR;;;WD)(A;;KA;;;WD)");
        ASSERT_TRUE(denied.Applied());
        HKEY probe = nullptr;
        ASSERT_EQ(::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSettings, 0, KEY_QUERY_VALUE, &probe),
                  ERROR_ACCESS_DENIED)
            << "the registry ignores the key's security";

        TrayhushProcess program;
        StartAndSettle(program);
        ASSERT_TRUE(program.Close());
    }
    // Start-up read nothing, so it stored the values that a first start stores.
    const Raw zero = {REG_DWORD, Dword(0)};
    ExpectSettings({{L"Disabled", {REG_DWORD, Dword(1)}},
                    {L"DetectionMethod", zero},
                    {L"BlockMethod", zero},
                    {L"RunDefaultAutorunProgram", zero},
                    {L"AllDrives", {REG_DWORD, Dword(1)}},
                    {L"Drivelist", {REG_SZ, Utf16z(L"E")}}});
}
