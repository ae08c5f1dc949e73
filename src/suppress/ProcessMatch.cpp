#include "suppress/ProcessMatch.h"

#include "suppress/AsciiCase.h"

bool IsDiscAutorunProcess(const std::wstring& path, const std::wstring& name,
                          const std::wstring& driveRoot) {
    if (name.empty()) return false;
    const std::wstring upperPath = AsciiUpper(path);
    if (upperPath.substr(0, 3) != AsciiUpper(driveRoot)) return false;
    return upperPath.find(AsciiUpper(name)) != std::wstring::npos;
}
