#include "suppress/ProcessMatch.h"

bool IsDiscAutorunProcess(TextApi& text, const std::wstring& path, const std::wstring& name,
                          const std::wstring& driveRoot) {
    if (name.empty()) return false;
    const std::wstring upperPath = text.ToUpper(path);
    if (upperPath.substr(0, 3) != text.ToUpper(driveRoot)) return false;
    return upperPath.find(text.ToUpper(name)) != std::wstring::npos;
}
