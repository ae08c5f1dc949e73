// An autorun.inf of any bytes. Only what holds of every answer is checked, never the
// rule itself: the unit tests' table says which name a file gives. A broken property
// aborts, so that libFuzzer keeps the input and the corpus run fails on it.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fakes/FakeText.h"
#include "suppress/AutorunInf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FakeText text;
    const std::optional<std::wstring> name = ParseAutorunProgramName(text, {data, data + size});
    if (!name) return 0;
    // No decoding gives more than one character per byte, and the name is part of the text.
    if (size > kMaxAutorunInfChars || name->size() < 4 || name->size() > size ||
        text.ToUpper(name->substr(name->size() - 4)) != L".EXE" || name->find(L'/') != std::wstring::npos)
        std::abort();
    return 0;
}
