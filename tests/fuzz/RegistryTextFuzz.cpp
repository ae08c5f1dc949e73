// A registry value of any type and any bytes, read through the Registry module. Text comes
// only from REG_SZ: its UTF-16 units up to the first NUL; a number only from a REG_DWORD of
// four bytes; anything else gives the caller's default. Text read writes back as REG_SZ and
// reads again unchanged, and no key handle is left open.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fakes/FakeRegistry.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "settings/Registry.h"

namespace {

const wchar_t kKey[] = L"Software\\Trayhush\\Settings";
const wchar_t kDefaultText[] = L"<default>";
constexpr std::int32_t kDefaultNumber = 0x5A5A5A5A;

// Two bytes per unit, low byte first; a lone last byte is a unit of its own.
std::wstring TextBeforeNul(const std::vector<std::uint8_t>& bytes) {
    std::wstring text;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const unsigned unit = bytes[i] | (i + 1 < bytes.size() ? bytes[i + 1] << 8 : 0);
        if (unit == 0) break;
        text.push_back(static_cast<wchar_t>(unit));
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint32_t type = input.Byte();
    // The key's unnamed default value, or a named one.
    const std::wstring name = input.Byte() & 1 ? L"" : L"Drivelist";
    const std::vector<std::uint8_t> bytes = input.Rest();

    FakeRegistry registry;
    registry.SetRaw(kHkeyLocalMachine, kKey, name, type, bytes);
    const std::wstring text =
        Registry::ReadTextValue(registry, kHkeyLocalMachine, kKey, name, kDefaultText);
    FUZZ_CHECK(text == (type == kRegSz ? TextBeforeNul(bytes) : kDefaultText));
    FUZZ_CHECK(Registry::HasTextValue(registry, kHkeyLocalMachine, kKey, name) == (type == kRegSz));

    const bool isNumber = type == kRegDword && bytes.size() == 4;
    std::int32_t number = kDefaultNumber;
    if (isNumber) std::memcpy(&number, bytes.data(), sizeof number);
    FUZZ_CHECK(Registry::ReadNumberValue(registry, kHkeyLocalMachine, kKey, name, kDefaultNumber) == number);
    FUZZ_CHECK(Registry::HasNumberValue(registry, kHkeyLocalMachine, kKey, name) == isNumber);

    FUZZ_CHECK(Registry::WriteTextValue(registry, kHkeyLocalMachine, kKey, name, text));
    const FakeRegistry::Value* written = registry.Find(kHkeyLocalMachine, kKey, name);
    FUZZ_CHECK(written && written->type == kRegSz && written->data.size() == 2 * text.size() + 2);
    FUZZ_CHECK(Registry::ReadTextValue(registry, kHkeyLocalMachine, kKey, name, L"") == text);
    FUZZ_CHECK(registry.OpenHandles() == 0);
    return 0;
}
