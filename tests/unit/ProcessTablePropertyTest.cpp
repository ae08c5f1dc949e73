// Random process tables against the termination scan: whatever the table and the name, no
// program off the inserted drive ever dies, and the one that dies is the one the rules pick.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "fakes/FakePlatform.h"

namespace {

constexpr std::uint32_t kSeed = 20240611;
constexpr int kCases = 3000;
constexpr std::size_t kPathChars = 259;  // what either enumeration delivers of a path

struct Entry {
    std::uint32_t id;
    std::wstring path;
    bool inspectable, modulesReadable, terminable, terminateFails, exited;
};

struct Table {
    std::uint32_t platformId;
    std::wstring root;
    std::wstring name;
    std::vector<Entry> entries;
};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : rng_(seed) {}

    Table Next() {
        Table t;
        t.platformId = Chance(1, 2) ? kPlatformWin9x : kPlatformNt;
        t.root = Cased(std::wstring(1, Pick(L"DE")) + L":\\");
        t.name = Name();
        const std::uint32_t count = Below(13);
        for (std::uint32_t i = 0; i < count; ++i)
            t.entries.push_back({1000 + i * 4 + Below(4), Path(t.name), !Chance(1, 10), !Chance(1, 10),
                                 !Chance(1, 10), Chance(1, 10), Chance(1, 10)});
        return t;
    }

private:
    std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(rng_() % n); }
    bool Chance(std::uint32_t in, std::uint32_t of) { return Below(of) < in; }
    wchar_t Pick(const std::wstring& from) { return from[Below(static_cast<std::uint32_t>(from.size()))]; }
    std::wstring Cased(std::wstring text) {
        for (wchar_t& c : text)
            if (Chance(1, 2))
                c = static_cast<wchar_t>(c >= L'a' && c <= L'z'   ? c - 32
                                         : c >= L'A' && c <= L'Z' ? c + 32
                                                                  : c);
        return text;
    }
    std::wstring Word(std::uint32_t maxLength) {
        std::wstring word;
        for (std::uint32_t n = 1 + Below(maxLength); n > 0; --n) word += Pick(L"abcdefghsetupxSETUP_ .");
        return word;
    }

    std::wstring Name() {
        static const wchar_t* const kDirs[] = {
            L"", L"", L"", L"bin\\", L"E:\\", L"e:\\bin\\", L"\\", L"..\\", L"D:\\", L"\\\\SERVER\\SHARE\\"};
        static const wchar_t* const kFiles[] = {L"setup.exe", L"SETUP.EXE", L"Setup.Exe", L"autorun.exe",
                                                L"x.exe",     L".exe",      L"run.exe",   L"E",
                                                L":",         L"\\"};
        switch (Below(8)) {
            case 0:
                return L"";
            case 1:
                return Word(6) + L".exe";
            default:
                return std::wstring(kDirs[Below(10)]) + kFiles[Below(10)];
        }
    }

    // A path in one of the shapes Windows hands out, some naming the program, some long.
    std::wstring Path(const std::wstring& name) {
        std::wstring head;
        switch (Below(10)) {
            case 0:
                head = L"\\\\" + Word(8) + L"\\" + Word(5) + L"\\";
                break;
            case 1:
                head = L"\\\\?\\" + std::wstring(1, Pick(L"CDEZ")) + L":\\";
                break;
            case 2:
                head = std::wstring(1, Pick(L"DE")) + L":";
                break;
            case 3:
                return Chance(1, 2) ? L"" : Cased(name);
            default:
                head = std::wstring(1, Pick(L"CDEZdez")) + L":\\";
                break;
        }
        for (std::uint32_t dirs = Below(4); dirs > 0; --dirs) head += Word(Chance(1, 8) ? 120 : 10) + L"\\";
        const std::wstring file =
            Chance(2, 3) ? Word(3) + Cased(name) + (Chance(1, 4) ? Word(3) : L"") : Word(10) + L".exe";
        return Cased(head) + file;
    }

    std::mt19937 rng_;
};

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
    return text;
}

bool OnDrive(const std::wstring& path, const std::wstring& root) {
    return path.size() >= 3 && Upper(path.substr(0, 3)) == Upper(root);
}

// The process that one scan must end: the first that the enumeration lets the program see
// whose path lies on the drive and contains the name, if it lets itself be ended.
std::vector<std::uint32_t> ExpectedKill(const Table& t, const FakeProcesses& processes) {
    if (t.name.empty()) return {};
    for (const Entry& e : t.entries) {
        const FakeProcesses::Process& p = *processes.Find(e.id);
        if (!p.running) continue;
        if (t.platformId == kPlatformNt && !(p.inspectable && p.modulesReadable)) continue;
        const std::wstring seen = p.path.substr(0, kPathChars);
        if (!OnDrive(seen, t.root) || Upper(seen).find(Upper(t.name)) == std::wstring::npos) continue;
        if (p.terminable && !p.terminateFails) return {p.id};
        return {};
    }
    return {};
}

std::string Describe(const Table& t) {
    auto narrow = [](const std::wstring& w) { return std::string(w.begin(), w.end()); };
    std::string text = "platform " + std::to_string(t.platformId) + ", drive " + narrow(t.root) +
                       ", name \"" + narrow(t.name) + "\"";
    for (const Entry& e : t.entries)
        text += "\n  " + std::to_string(e.id) + (e.exited ? " exited" : "") +
                (e.inspectable ? "" : " closed") + (e.modulesReadable ? "" : " no-modules") +
                (e.terminable ? "" : " unkillable") + (e.terminateFails ? " kill-fails" : "") + " " +
                narrow(e.path);
    return text;
}

}  // namespace

TEST(ProcessTablePropertyTest, OnlyTheDiscsOwnProgramEverDies) {
    Generator generate(kSeed);
    int kills = 0;
    for (int n = 0; n < kCases && !HasFailure(); ++n) {
        const Table table = generate.Next();
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", case " + std::to_string(n) + ": " +
                     Describe(table));
        FakePlatform machine;
        machine.processes.platformId = table.platformId;
        for (const Entry& e : table.entries) {
            FakeProcesses::Process& p = machine.processes.Add(e.id, e.path);
            p.inspectable = e.inspectable;
            p.modulesReadable = e.modulesReadable;
            p.terminable = e.terminable;
            p.terminateFails = e.terminateFails;
            if (e.exited) machine.processes.Exit(e.id, 1);
        }
        Form1 form(machine.platform);
        form.Text1.SetText(table.root);

        // Two scans: the second must move on past a program the first one ended.
        for (int scan = 0; scan < 2; ++scan) {
            const std::vector<std::uint32_t> expected = ExpectedKill(table, machine.processes);
            const std::size_t before = machine.processes.Terminated().size();
            form.TerminateAutorunProcess(table.name);
            const std::vector<std::uint32_t> all = machine.processes.Terminated();
            const std::vector<std::uint32_t> killed(all.begin() + static_cast<std::ptrdiff_t>(before),
                                                    all.end());
            for (const std::uint32_t id : killed) {
                ASSERT_TRUE(OnDrive(machine.processes.Find(id)->path, table.root)) << "killed " << id;
                EXPECT_EQ(machine.processes.Find(id)->exitCode, 0u);
            }
            EXPECT_EQ(killed, expected) << "scan " << scan;
            kills += static_cast<int>(killed.size());
        }
        EXPECT_EQ(machine.processes.OpenHandles(), 0);
    }
    // The tables must reach the interesting part: a generator that never produced a kill
    // would pass every case above without testing anything.
    if (!HasFailure()) {
        EXPECT_GT(kills, kCases / 10);
    }
}
