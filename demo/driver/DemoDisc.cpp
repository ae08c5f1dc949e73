#include "DemoDisc.h"

#include <windows.h>

#include "harness/ErrorText.h"
#include "harness/WinePaths.h"
#include "harness/TempFolder.h"

namespace trayhush::demo {

DemoDisc::DemoDisc(const std::wstring& templateFolder, const std::wstring& autorunProgram)
    : folder_(std::make_unique<TempFolder>(L"th-demo-disc-")) {
    const std::wstring& root = folder_->Path();
    if (root.empty()) {
        error_ = L"cannot make a folder for the disc under the temporary folder";
        return;
    }
    if (!CopyTree(templateFolder, root)) return;
    const std::wstring program = root + L"\\" + kProgramName;
    if (!CreateDirectoryW((root + L"\\" + kProgramFolder).c_str(), nullptr) ||
        !CopyFileW(autorunProgram.c_str(), program.c_str(), FALSE)) {
        error_ = L"cannot copy " + autorunProgram + L" onto the disc: " + e2e::DescribeError(GetLastError());
        return;
    }
    unixPath_ = testsupport::windowsToUnixPath(root);
    if (unixPath_.empty()) error_ = L"Wine gives no unix path for " + root;
}

DemoDisc::~DemoDisc() = default;

bool DemoDisc::CopyTree(const std::wstring& from, const std::wstring& to) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((from + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        error_ = L"cannot read the disc's files in " + from + L": " + e2e::DescribeError(GetLastError());
        return false;
    }
    bool ok = true;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring source = from + L"\\" + name;
        const std::wstring target = to + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ok = (CreateDirectoryW(target.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) &&
                 CopyTree(source, target);
        } else if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) {
            error_ = L"cannot copy " + source + L": " + e2e::DescribeError(GetLastError());
            ok = false;
        }
    } while (ok && FindNextFileW(search, &found));
    FindClose(search);
    return ok;
}

}  // namespace trayhush::demo
