#include "suppress/AutorunInf.h"

#include "suppress/AsciiCase.h"
#include "suppress/AutorunInfText.h"

namespace {

struct KeySpelling {
    const wchar_t* text;
    std::size_t skip;
};

// Tried in this order at each position, so that "open= x" leaves no space in the name.
constexpr KeySpelling kKeySpellings[] = {
    {L"open= ", 6},
    {L"open = ", 7},
    {L"open=", 5},
    {L"open =", 6},
};

bool StartsAtIgnoringCase(const std::wstring& text, std::size_t pos, const std::wstring& word) {
    if (pos + word.size() > text.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (AsciiUpper(text[pos + i]) != AsciiUpper(word[i])) return false;
    return true;
}

std::size_t FindIgnoringCase(const std::wstring& text, std::size_t from, const std::wstring& word) {
    for (std::size_t pos = from; pos < text.size(); ++pos)
        if (StartsAtIgnoringCase(text, pos, word)) return pos;
    return std::wstring::npos;
}

std::size_t FindValueStart(const std::wstring& text) {
    for (std::size_t pos = 0; pos < text.size(); ++pos)
        for (const KeySpelling& key : kKeySpellings)
            if (StartsAtIgnoringCase(text, pos, key.text)) return pos + key.skip;
    return std::wstring::npos;
}

}  // namespace

std::optional<std::wstring> ParseAutorunProgramName(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() > kMaxAutorunInfChars) return std::nullopt;
    const std::wstring text = DecodeAutorunInfText(bytes);

    std::size_t value = FindValueStart(text);
    if (value == std::wstring::npos) return std::nullopt;
    // open="Setup.exe" names Setup.exe; the closing quote lies beyond the ".EXE".
    if (value < text.size() && text[value] == L'"') ++value;
    const std::size_t exe = FindIgnoringCase(text, value, L".EXE");
    if (exe == std::wstring::npos) return std::nullopt;
    return text.substr(value, exe - value + 4);
}
