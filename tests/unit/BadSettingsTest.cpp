// Settings of every wrong type, size and range, huge texts and keys that refuse access: start-up
// completes, the documented defaults apply, it stores only what a start stores, and a disc
// is still suppressed.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "settings/SettingsStore.h"
#include "settings/Utf16Bytes.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegDwordBigEndian = 5;
constexpr std::uint32_t kRegLink = 6;
constexpr std::uint32_t kRegQword = 11;
constexpr std::uint32_t kDiscProgram = 77;
const wchar_t kMovedRunEntry[] = L"\"C:\\Old\\Trayhush.exe\"";
const wchar_t kOwnRunEntry[] = L"\"C:\\Program Files\\Trayhush\\Trayhush.exe\"";

Bytes Le(std::int32_t n) {
    Bytes b(4);
    std::memcpy(b.data(), &n, 4);
    return b;
}
Bytes Resized(Bytes b, std::size_t size) {
    b.resize(size, 0);
    return b;
}
Bytes Utf16z(const std::wstring& text) {
    Bytes b = ToUtf16Bytes(text);
    b.insert(b.end(), {0, 0});
    return b;
}

// What the options panel shows; drives as the letters of the selected entries.
struct Options {
    int enableBlocking, allDrives, methodTwo, blockTwo, runDefault, startWithWindows;
    std::wstring drives;
    bool operator==(const Options& o) const {
        return enableBlocking == o.enableBlocking && allDrives == o.allDrives && methodTwo == o.methodTwo &&
               blockTwo == o.blockTwo && runDefault == o.runDefault &&
               startWithWindows == o.startWithWindows && drives == o.drives;
    }
};
void PrintTo(const Options& o, std::ostream* os) {
    *os << "{enable " << o.enableBlocking << ", all " << o.allDrives << ", method two " << o.methodTwo
        << ", block two " << o.blockTwo << ", run default " << o.runDefault << ", start with Windows "
        << o.startWithWindows << ", drives " << std::string(o.drives.begin(), o.drives.end()) << "}";
}

const Options kFirstStart = {1, 1, 0, 0, 1, 0, L"DE"};

// Optical drives D: and E:; in E: a DVD-Video disc whose autorun program already runs.
// Every value planted goes into the machine's registry and into the registry that the test
// expects after start-up, which the test completes with what start-up is meant to store.
struct Machine {
    Machine() {
        fake.files.AddCdrom(L'D');
        fake.files.AddCdrom(L'E');
        fake.files.InsertDvdVideo(L'E', "[autorun]\r\nopen=SETUP.EXE\r\n");
        fake.processes.Add(kDiscProgram, L"E:\\SETUP.EXE");
        form.handle = fake.hooks.AddWindow();
        window.Bind(&form);
    }
    void Plant(Handle root, const std::wstring& key, const std::wstring& name, std::uint32_t type,
               const Bytes& data) {
        fake.registry.SetRaw(root, key, name, type, data);
        expected.SetRaw(root, key, name, type, data);
    }
    void PlantNumber(const std::wstring& name, std::int32_t n) {
        Plant(kHkeyLocalMachine, kSettingsKey, name, kRegDword, Le(n));
    }
    // Start-up stores these when the value it read (or its default) changes their box.
    void ExpectStored(Handle root, const std::wstring& name, std::int32_t n) {
        expected.SetNumber(root, kSettingsKey, name, n);
    }
    bool Load() {
        const bool loaded = window.Form_Load();
        if (loaded) window.Form_Resize();
        return loaded;
    }
    Options Shown() const {
        std::wstring drives;
        for (int i = 0; i < window.List1.ListCount(); ++i)
            if (window.List1.Selected(i)) drives += window.List1.List(i)[0];
        return {window.Check[1].Value(),
                window.Check[2].Value(),
                window.Check[3].Value(),
                window.Check[4].Value(),
                window.Check1.Value(),
                window.Check[0].Value(),
                drives};
    }
    bool DiscSuppressed() {
        window.ReportArrival(L"E:\\");
        window.Timer1.Fire();
        return !fake.processes.Find(kDiscProgram)->running || fake.keyboard.shiftDown;
    }

    FakePlatform fake;
    FakeRegistry expected;
    FakeForm form;
    Form1 window{fake.platform};
};

struct Setting {
    const wchar_t* key;
    const wchar_t* name;
    std::int32_t number;  // for a number setting: a value that differs from its default
    const wchar_t* text;  // for a text setting, likewise
};

const Setting kSettings[] = {
    {kSettingsKey, L"Disabled", 1, nullptr},
    {kSettingsKey, L"AllDrives", 0, nullptr},
    {kSettingsKey, L"DetectionMethod", 1, nullptr},
    {kSettingsKey, L"BlockMethod", 1, nullptr},
    {kSettingsKey, L"RunDefaultAutorunProgram", 1, nullptr},
    {kSettingsKey, L"Drivelist", 0, L"E"},
    {kRunKey, kRunValueName, 0, kMovedRunEntry},
};

struct Encoding {
    const char* story;
    std::uint32_t type;
    Bytes data;
};

// A number in every form that is not a 4-byte REG_DWORD.
std::vector<Encoding> NumberMisstored(std::int32_t n) {
    const std::wstring digits = std::to_wstring(n);
    Bytes multi = Utf16z(digits);
    multi.insert(multi.end(), {0, 0});
    Bytes bigEndian = Le(n);
    std::swap(bigEndian[0], bigEndian[3]);
    std::swap(bigEndian[1], bigEndian[2]);
    return {{"REG_SZ", kRegSz, Utf16z(digits)},
            {"REG_EXPAND_SZ", kRegExpandSz, Utf16z(digits)},
            {"REG_MULTI_SZ", kRegMultiSz, multi},
            {"REG_BINARY", kRegBinary, Le(n)},
            {"REG_DWORD of 0 bytes", kRegDword, {}},
            {"REG_DWORD of 2 bytes", kRegDword, Resized(Le(n), 2)},
            {"REG_DWORD of 3 bytes", kRegDword, Resized(Le(n), 3)},
            {"REG_DWORD of 8 bytes", kRegDword, Resized(Le(n), 8)},
            {"REG_QWORD", kRegQword, Resized(Le(n), 8)},
            {"REG_NONE", kRegNone, Le(n)},
            {"REG_DWORD_BIG_ENDIAN", kRegDwordBigEndian, bigEndian},
            {"an unknown type", 0x7FFF, Le(n)}};
}

// A text in every form that is not REG_SZ.
std::vector<Encoding> TextMisstored(const std::wstring& text) {
    Bytes multi = Utf16z(text);
    multi.insert(multi.end(), {0, 0});
    return {{"REG_EXPAND_SZ", kRegExpandSz, Utf16z(text)},
            {"REG_MULTI_SZ", kRegMultiSz, multi},
            {"REG_BINARY", kRegBinary, Utf16z(text)},
            {"REG_DWORD", kRegDword, Resized(Utf16z(text), 4)},
            {"REG_QWORD", kRegQword, Resized(Utf16z(text), 8)},
            {"REG_NONE", kRegNone, Utf16z(text)},
            {"REG_LINK", kRegLink, Utf16z(text)}};
}

// The four values that a start over unusable settings stores, as on a first start.
void ExpectFirstStartStores(Machine& m, Handle root) {
    m.ExpectStored(root, L"DetectionMethod", 0);
    m.ExpectStored(root, L"BlockMethod", 0);
    m.ExpectStored(root, L"RunDefaultAutorunProgram", 0);
    m.ExpectStored(root, L"AllDrives", 1);
}

}  // namespace

TEST(BadSettingsTest, AValueOfTheWrongTypeOrSizeReadsAsAbsent) {
    for (const Setting& setting : kSettings) {
        const std::vector<Encoding> encodings =
            setting.text ? TextMisstored(setting.text) : NumberMisstored(setting.number);
        for (const Encoding& encoding : encodings) {
            const std::string story =
                std::string(setting.name, setting.name + std::wcslen(setting.name)) + " as " + encoding.story;
            Machine m;
            m.Plant(kHkeyLocalMachine, setting.key, setting.name, encoding.type, encoding.data);
            ExpectFirstStartStores(m, kHkeyLocalMachine);

            ASSERT_TRUE(m.Load()) << story;
            EXPECT_TRUE(m.window.m_bSettingsLoaded) << story;
            EXPECT_EQ(m.Shown(), kFirstStart) << story;
            EXPECT_EQ(m.fake.registry.Values(), m.expected.Values()) << story;
            EXPECT_TRUE(m.DiscSuppressed()) << story;
            EXPECT_EQ(m.fake.registry.OpenHandles(), 0) << story;
        }
    }
}

TEST(BadSettingsTest, NumbersOutOfRangeAreKeptAndNeverStopStartUp) {
    struct Case {
        const wchar_t* name;
        std::int32_t number;
        Options shown;
    };
    // Any non-zero number switches an inverted flag; a box that cannot take the number
    // keeps the state it has before start-up.
    const Case cases[] = {
        {L"Disabled", 2, {0, 1, 0, 0, 1, 0, L"DE"}},
        {L"Disabled", -1, {0, 1, 0, 0, 1, 0, L"DE"}},
        {L"Disabled", INT_MIN, {0, 1, 0, 0, 1, 0, L"DE"}},
        {L"RunDefaultAutorunProgram", -1, {1, 1, 0, 0, 0, 0, L"DE"}},
        {L"DetectionMethod", 2, {1, 1, 1, 0, 1, 0, L"DE"}},
        {L"DetectionMethod", -1, {1, 1, 1, 0, 1, 0, L"DE"}},
        {L"BlockMethod", 2, {1, 1, 0, 1, 1, 0, L"DE"}},
        {L"BlockMethod", -1, {1, 1, 0, 1, 1, 0, L"DE"}},
        {L"AllDrives", 2, {1, 0, 0, 0, 1, 0, L"DE"}},
        {L"AllDrives", 0x100, {1, 0, 0, 0, 1, 0, L"DE"}},
    };
    for (const Case& c : cases) {
        const std::string story =
            std::string(c.name, c.name + std::wcslen(c.name)) + " = " + std::to_string(c.number);
        Machine m;
        ExpectFirstStartStores(m, kHkeyLocalMachine);
        m.PlantNumber(c.name, c.number);  // replaces the stored default it would otherwise get

        ASSERT_TRUE(m.Load()) << story;
        EXPECT_EQ(m.Shown(), c.shown) << story;
        EXPECT_EQ(m.fake.registry.Values(), m.expected.Values()) << story;
        EXPECT_EQ(m.window.Timer7.Enabled(), c.shown.methodTwo == 1) << story;
        EXPECT_EQ(m.DiscSuppressed(), c.shown.enableBlocking == 1) << story;
    }
}

TEST(BadSettingsTest, HugeAndMalformedTextsAreReadWithoutHarm) {
    std::wstring letters(50000, L'x');
    letters.back() = L'E';
    struct Case {
        const char* story;
        const wchar_t* name;
        Bytes data;
        Options shown;
    };
    const Case cases[] = {
        {"100 KB Drivelist naming E: last", L"Drivelist", Utf16z(letters), {1, 1, 0, 0, 1, 0, L"E"}},
        {"100 KB Drivelist without its NUL", L"Drivelist", ToUtf16Bytes(letters), {1, 1, 0, 0, 1, 0, L"E"}},
        {"100 KB Drivelist of NULs", L"Drivelist", Bytes(100000, 0), kFirstStart},
        {"Drivelist of an odd byte count", L"Drivelist", {'D', 0, 'x'}, {1, 1, 0, 0, 1, 0, L"D"}},
        {"100 KB Run value", kRunValueName, Utf16z(letters), {1, 1, 0, 0, 1, 1, L"DE"}},
    };
    for (const Case& c : cases) {
        Machine m;
        const bool run = std::wstring(c.name) == kRunValueName;
        m.Plant(kHkeyLocalMachine, run ? kRunKey : kSettingsKey, c.name, kRegSz, c.data);
        ExpectFirstStartStores(m, kHkeyLocalMachine);
        // A Run value with any text is repaired to name this program, as at every start.
        if (run) m.expected.SetText(kHkeyLocalMachine, kRunKey, kRunValueName, kOwnRunEntry);

        ASSERT_TRUE(m.Load()) << c.story;
        EXPECT_EQ(m.Shown(), c.shown) << c.story;
        EXPECT_EQ(m.fake.registry.Values(), m.expected.Values()) << c.story;
        EXPECT_TRUE(m.DiscSuppressed()) << c.story;
    }
}

TEST(BadSettingsTest, KeysThatRefuseAccessLeaveTheDefaultsOrTheStoredOptions) {
    struct Case {
        const char* story;
        bool settingsUnreadable, runUnreadable, machineReadOnly;
        Options shown;
        Handle defaultsStoredUnder;  // where the four first-start values go; 0: nowhere
        Handle runRepairedUnder;     // where the Run value is rewritten; 0: nowhere
    };
    // Every case starts with non-default settings and a Run value of a moved program,
    // stored machine-wide. A refused machine-wide write goes to the user's own key.
    const Case cases[] = {
        {"settings unreadable",
         true,
         false,
         false,
         {1, 1, 0, 0, 1, 1, L"DE"},
         kHkeyLocalMachine,
         kHkeyLocalMachine},
        {"settings neither readable nor writable",
         true,
         false,
         true,
         {1, 1, 0, 0, 1, 1, L"DE"},
         kHkeyCurrentUser,
         kHkeyCurrentUser},
        {"read-only machine key", false, false, true, {0, 0, 1, 1, 0, 1, L"E"}, 0, kHkeyCurrentUser},
        {"Run key unreadable", false, true, false, {0, 0, 1, 1, 0, 0, L"E"}, 0, 0},
    };
    for (const Case& c : cases) {
        Machine m;
        for (const Setting& s : kSettings)
            if (s.text)
                m.Plant(kHkeyLocalMachine, s.key, s.name, kRegSz, Utf16z(s.text));
            else
                m.PlantNumber(s.name, s.number);
        if (c.settingsUnreadable) m.fake.registry.RefuseReadsUnder(kHkeyLocalMachine, kSettingsKey);
        if (c.runUnreadable) m.fake.registry.RefuseReadsUnder(kHkeyLocalMachine, kRunKey);
        if (c.machineReadOnly) m.fake.registry.RefuseWritesUnder(kHkeyLocalMachine);
        if (c.defaultsStoredUnder) ExpectFirstStartStores(m, c.defaultsStoredUnder);
        if (c.runRepairedUnder) m.expected.SetText(c.runRepairedUnder, kRunKey, kRunValueName, kOwnRunEntry);

        ASSERT_TRUE(m.Load()) << c.story;
        EXPECT_EQ(m.Shown(), c.shown) << c.story;
        EXPECT_EQ(m.fake.registry.Values(), m.expected.Values()) << c.story;
        EXPECT_EQ(m.DiscSuppressed(), c.shown.enableBlocking == 1) << c.story;
        EXPECT_EQ(m.fake.registry.OpenHandles(), 0) << c.story;
    }
}
