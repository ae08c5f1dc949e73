#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "fakes/FakeRegistry.h"
#include "settings/Registry.h"
#include "settings/SettingsStore.h"

namespace {

const wchar_t* const kAbsent = nullptr;

struct WriteCase {
    const char* story;
    const wchar_t* machineBefore;
    const wchar_t* userBefore;
    bool machineRefused;
    const wchar_t* machineAfter;
    const wchar_t* userAfter;
};

// A write of "new" lands machine-wide where it may, never leaves a per-user copy that
// shadows or doubles the machine-wide value, and goes per user only where the machine-wide
// value cannot be made to hold it.
const WriteCase kWrites[] = {
    {"allowed", L"old", kAbsent, false, L"new", kAbsent},
    {"allowed, a stale per-user copy goes", L"old", L"stale", false, L"new", kAbsent},
    {"refused, machine-wide differs", L"old", kAbsent, true, L"old", L"new"},
    {"refused, machine-wide missing", kAbsent, kAbsent, true, kAbsent, L"new"},
    {"refused, machine-wide already holds it", L"new", kAbsent, true, L"new", kAbsent},
    {"refused, machine-wide holds it, a per-user copy goes", L"new", L"old", true, L"new", kAbsent},
};

// One kind of stored value: how a test puts it, reads it back as text, and writes "new".
struct Kind {
    std::function<void(FakeRegistry&, Handle, const std::wstring&)> put;
    std::function<std::wstring(FakeRegistry&, Handle)> get;  // "" when absent
    std::function<void(SettingsStore&)> writeNew;
};

void CheckWrites(const Kind& kind) {
    for (const WriteCase& c : kWrites) {
        FakeRegistry registry;
        if (c.machineBefore) kind.put(registry, kHkeyLocalMachine, c.machineBefore);
        if (c.userBefore) kind.put(registry, kHkeyCurrentUser, c.userBefore);
        if (c.machineRefused) registry.RefuseWritesUnder(kHkeyLocalMachine);
        SettingsStore store(registry);
        kind.writeNew(store);
        EXPECT_EQ(kind.get(registry, kHkeyLocalMachine), c.machineAfter ? c.machineAfter : L"") << c.story;
        EXPECT_EQ(kind.get(registry, kHkeyCurrentUser), c.userAfter ? c.userAfter : L"") << c.story;
    }
}

}  // namespace

TEST(SettingsStoreTest, TheRunEntryLandsInOnePlace) {
    CheckWrites({[](FakeRegistry& r, Handle root, const std::wstring& v) { r.SetText(root, kRunKey, kRunValueName, v); },
                 [](FakeRegistry& r, Handle root) { return Registry::ReadTextValue(r, root, kRunKey, kRunValueName, L""); },
                 [](SettingsStore& s) { s.WriteRunEntry(L"new"); }});
}

TEST(SettingsStoreTest, ANumberSettingLandsInOnePlace) {
    // Numbers stand for the words: 1 old, 2 new, 3 stale, 0 absent.
    static const std::wstring kWords[] = {L"", L"old", L"new", L"stale"};
    auto code = [](const std::wstring& word) { return static_cast<std::int32_t>(std::find(kWords, kWords + 4, word) - kWords); };
    CheckWrites({[&](FakeRegistry& r, Handle root, const std::wstring& v) { r.SetNumber(root, kSettingsKey, L"AllDrives", code(v)); },
                 [](FakeRegistry& r, Handle root) { return kWords[Registry::ReadNumberValue(r, root, kSettingsKey, L"AllDrives", 0)]; },
                 [&](SettingsStore& s) { s.WriteNumber(L"AllDrives", code(L"new")); }});
}
