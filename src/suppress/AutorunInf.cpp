#include "suppress/AutorunInf.h"

#include <algorithm>

#include "suppress/AutorunInfText.h"

namespace {

struct KeySpelling {
    const wchar_t* text;
    std::size_t skip;
};

// Tried in this order at each position, so that "open= x" leaves no space in the name.
constexpr KeySpelling kKeySpellings[] = {
    {L"OPEN= ", 6},
    {L"OPEN = ", 7},
    {L"OPEN=", 5},
    {L"OPEN =", 6},
};

// Searches the upper-cased text, whose positions are those of the file's own text.
std::size_t FindValueStart(const std::wstring& upper) {
    for (std::size_t pos = 0; pos < upper.size(); ++pos)
        for (const KeySpelling& key : kKeySpellings)
            if (upper.compare(pos, key.skip, key.text) == 0) return pos + key.skip;
    return std::wstring::npos;
}

// Windows starts open=folder/setup.exe and open=.\setup.exe as D:\folder\setup.exe and
// D:\setup.exe, so only the name in that form can be found in the running program's path.
std::wstring AsPathHasIt(std::wstring name) {
    std::replace(name.begin(), name.end(), L'/', L'\\');
    if (name.compare(0, 2, L".\\") == 0) name.erase(0, 2);
    return name;
}

}  // namespace

std::optional<std::wstring> ParseAutorunProgramName(TextApi& text, const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() > kMaxAutorunInfChars) return std::nullopt;
    const std::wstring file = DecodeAutorunInfText(text, bytes);
    // The fold keeps every character in its place, so positions carry over to the file.
    const std::wstring upper = text.ToUpper(file);
    if (upper.size() != file.size()) return std::nullopt;

    std::size_t value = FindValueStart(upper);
    if (value == std::wstring::npos) return std::nullopt;
    // open="Setup.exe" names Setup.exe; the closing quote lies beyond the ".EXE".
    if (value < file.size() && file[value] == L'"') ++value;
    const std::size_t exe = upper.find(L".EXE", value);
    if (exe == std::wstring::npos) return std::nullopt;
    return AsPathHasIt(file.substr(value, exe - value + 4));
}
