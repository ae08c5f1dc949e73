// An autorun.inf of any bytes. Only what holds of every answer is checked, never the
// rule itself: the named tables of the unit tests say which name a file gives.
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/FakeText.h"
#include "fuzz/FuzzCheck.h"
#include "suppress/AutorunInf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FakeText text;
    const std::vector<std::uint8_t> bytes(data, data + size);
    const std::optional<std::wstring> name = ParseAutorunProgramName(text, bytes);
    if (!name) return 0;
    FUZZ_CHECK(size <= kMaxAutorunInfChars);
    // Every decoding gives at most one character per byte, and the name is part of the text.
    FUZZ_CHECK(name->size() >= 4 && name->size() <= size);
    FUZZ_CHECK(text.ToUpper(name->substr(name->size() - 4)) == L".EXE");
    FUZZ_CHECK(name->find(L'/') == std::wstring::npos);
    return 0;
}
