// An autorun.inf of any bytes.
// Its text is the bytes one for one, unless a byte-order mark says otherwise; a decoded
// text holds only Unicode scalar values, so it survives a round trip through UTF-8.
// The parse must agree with a plainer statement of its rule: find the first "open=" or
// "open =", pass one blank and then one opening quote, and take everything up to and
// including the next ".EXE"; no ".EXE" there, no name.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/FakeText.h"
#include "fuzz/FuzzCheck.h"
#include "suppress/AutorunInf.h"
#include "suppress/AutorunInfText.h"

namespace {

constexpr std::size_t npos = std::wstring::npos;

wchar_t Upper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

// Where a word first occurs at or after `from`, ASCII letter case ignored.
std::size_t Find(const std::wstring& text, const std::wstring& word, std::size_t from) {
    const auto at = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                                word.begin(), word.end(),
                                [](wchar_t a, wchar_t b) { return Upper(a) == Upper(b); });
    return at == text.end() ? npos : static_cast<std::size_t>(at - text.begin());
}

bool HasByteOrderMark(const std::vector<std::uint8_t>& bytes) {
    const auto starts = [&bytes](std::vector<std::uint8_t> mark) {
        return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
    };
    return starts({0xFF, 0xFE}) || starts({0xFE, 0xFF}) || starts({0xEF, 0xBB, 0xBF});
}

std::vector<std::uint8_t> Utf8WithMark(const std::wstring& text) {
    std::vector<std::uint8_t> bytes{0xEF, 0xBB, 0xBF};
    const auto put = [&bytes](char32_t b) { bytes.push_back(static_cast<std::uint8_t>(b)); };
    for (wchar_t w : text) {
        const auto c = static_cast<char32_t>(w);
        if (c < 0x80) {
            put(c);
        } else if (c < 0x800) {
            put(0xC0 | c >> 6);
            put(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            put(0xE0 | c >> 12);
            put(0x80 | (c >> 6 & 0x3F));
            put(0x80 | (c & 0x3F));
        } else {
            put(0xF0 | c >> 18);
            put(0x80 | (c >> 12 & 0x3F));
            put(0x80 | (c >> 6 & 0x3F));
            put(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

FakeText cp1252;

void CheckText(const std::vector<std::uint8_t>& bytes, const std::wstring& text) {
    if (!HasByteOrderMark(bytes)) {
        FUZZ_CHECK(text == cp1252.AnsiToWide(bytes));
        return;
    }
    FUZZ_CHECK(text.size() < bytes.size());
    for (wchar_t w : text) {
        const auto c = static_cast<char32_t>(w);
        FUZZ_CHECK(c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));
    }
    FUZZ_CHECK(DecodeAutorunInfText(cp1252, Utf8WithMark(text)) == text);
}

void CheckName(const std::wstring& text, const std::optional<std::wstring>& name) {
    const std::size_t tight = Find(text, L"open=", 0);
    const std::size_t spaced = Find(text, L"open =", 0);
    std::size_t start = std::min(tight, spaced);
    if (start != npos) start += start == tight ? 5 : 6;
    if (start < text.size() && text[start] == L' ') ++start;
    if (start < text.size() && text[start] == L'"') ++start;
    const std::size_t exe = start == npos ? npos : Find(text, L".exe", start);
    FUZZ_CHECK(name.has_value() == (exe != npos));
    if (name) FUZZ_CHECK(*name == text.substr(start, exe - start + 4));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const std::wstring text = DecodeAutorunInfText(cp1252, bytes);
    CheckText(bytes, text);

    const std::optional<std::wstring> name = ParseAutorunProgramName(cp1252, bytes);
    if (size > kMaxAutorunInfChars)
        FUZZ_CHECK(!name);
    else
        CheckName(text, name);
    return 0;
}
