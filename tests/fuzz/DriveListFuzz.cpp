// The stored drive selection: "Drivelist" as any bytes of any registry type, per machine or
// per user, on a machine with any set of optical drives, then some clicks of the user's.
// Loading must follow the stored-text rule and write nothing; every click must store the
// selected letters in list order (":" for none); and what was stored must load the same
// selection on the next start and be stored unchanged again.
#include <cstdint>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "settings/SettingsStore.h"

namespace {

constexpr unsigned kDriveFixed = 3;

// Bits of the input's flags byte.
constexpr std::uint8_t kTypeBits = 0x07;        // the stored value's registry type
constexpr std::uint8_t kPerUser = 0x08;         // stored under HKEY_CURRENT_USER
constexpr std::uint8_t kMachineRefused = 0x10;  // HKEY_LOCAL_MACHINE refuses writes
constexpr std::uint8_t kFixedDisks = 0x20;      // the other letters are hard disks

struct Machine {
    Machine(std::uint32_t cdroms, bool fixedDisks) {
        for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
            if (cdroms >> (letter - L'A') & 1)
                fake.files.AddCdrom(letter);
            else if (fixedDisks)
                fake.files.AddDrive(letter, kDriveFixed);
        }
    }
    void Start() {
        form.FillDriveList();
        form.LoadDriveSelection();
    }
    std::wstring SelectedLetters() const {
        std::wstring letters;
        for (int i = 0; i < form.List1.ListCount(); ++i)
            if (form.List1.Selected(i)) letters += form.List1.List(i)[0];
        return letters;
    }
    std::wstring Stored() { return SettingsStore(fake.registry).ReadText(L"Drivelist"); }
    // Whether the stored text is the selected letters in list order, or ":" for none.
    bool StoresSelection() {
        const std::wstring letters = SelectedLetters();
        return Stored() == (letters.empty() ? L":" : letters);
    }

    FakePlatform fake;
    Form1 form{fake.platform};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint32_t cdroms = input.Word() & 0x3FFFFFF;
    const std::uint8_t flags = input.Byte();
    const std::uint32_t clicks = input.Word();

    Machine first(cdroms, flags & kFixedDisks);
    first.fake.registry.SetRaw(flags & kPerUser ? kHkeyCurrentUser : kHkeyLocalMachine,
                               kSettingsKey, L"Drivelist", flags & kTypeBits, input.Rest());
    if (flags & kMachineRefused) first.fake.registry.RefuseWritesUnder(kHkeyLocalMachine);
    const std::wstring text = first.Stored();
    first.Start();

    ListBox& list = first.form.List1;
    int count = 0;
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter)
        if (cdroms >> (letter - L'A') & 1) FUZZ_CHECK(list.List(count++) == std::wstring{letter, L':'});
    FUZZ_CHECK(list.ListCount() == count);
    for (int i = 0; i < count; ++i) {
        const bool named = text.find(list.List(i)[0]) != std::wstring::npos;
        FUZZ_CHECK(list.Selected(i) == (text.empty() || (text != L":" && named)));
    }
    FUZZ_CHECK(first.fake.registry.Writes() == 0);

    for (int i = 0; i < count; ++i) {
        if (!(clicks >> i & 1)) continue;
        list.UserSetSelected(i, !list.Selected(i));
        FUZZ_CHECK(first.StoresSelection());
    }

    first.form.SaveDriveSelection();
    FUZZ_CHECK(first.StoresSelection());
    const std::wstring saved = first.Stored();
    Machine next(cdroms, flags & kFixedDisks);
    next.fake.registry.SetText(kHkeyLocalMachine, kSettingsKey, L"Drivelist", saved);
    next.Start();
    FUZZ_CHECK(next.SelectedLetters() == first.SelectedLetters());
    next.form.SaveDriveSelection();
    FUZZ_CHECK(next.Stored() == saved);
    return 0;
}
