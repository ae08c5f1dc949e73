#include "harness/ErrorText.h"

namespace trayhush::e2e {

std::wstring DescribeError(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = L"error " + std::to_wstring(error);
    if (text) {
        std::wstring description(text);
        LocalFree(text);
        while (!description.empty() && (description.back() == L'\n' || description.back() == L'\r' ||
                                        description.back() == L' '))
            description.pop_back();
        message += L" (" + description + L")";
    }
    return message;
}

}  // namespace trayhush::e2e
