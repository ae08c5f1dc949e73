#include "detect/StripAtNull.h"

std::wstring StripAtNull(const std::wstring& text) { return text.substr(0, text.find(L'\0')); }
