#include "harness/DiscFolder.h"

#include <windows.h>

#include "harness/ErrorText.h"
#include "harness/WinePaths.h"
#include "harness/TempFolder.h"

namespace trayhush::e2e {

DiscFolder::DiscFolder(const DiscContents& contents) : folder_(std::make_unique<TempFolder>(L"th-e2e-disc-")) {
    const std::wstring& root = folder_->Path();
    if (root.empty()) {
        error_ = L"cannot make a disc folder under the temporary folder";
        return;
    }
    // The file is only looked for, never read as video: any bytes do.
    if (contents.videoTs && !folder_->Write(L"VIDEO_TS\\VIDEO_TS.IFO", "DVDVIDEO-VMG")) {
        error_ = L"cannot write VIDEO_TS\\VIDEO_TS.IFO into " + root;
        return;
    }
    const std::string program(contents.program.begin(), contents.program.end());
    if (contents.autorunInf && !folder_->Write(L"AUTORUN.INF", "[autorun]\r\nopen=" + program + "\r\n")) {
        error_ = L"cannot write AUTORUN.INF into " + root;
        return;
    }
    if (!contents.programSource.empty() &&
        !CopyFileW(contents.programSource.c_str(), (root + L"\\" + contents.program).c_str(), FALSE)) {
        error_ = L"cannot copy " + contents.programSource + L" onto the disc: " + DescribeError(GetLastError());
        return;
    }
    // Written through the folder's own path: the way back from its unix path has failed
    // under Wine for a folder made right after another was removed.
    if (!contents.label.empty() && !folder_->Write(L".windows-label", testsupport::toUtf8(contents.label))) {
        error_ = L"cannot write the label into " + root;
        return;
    }
    unixPath_ = testsupport::windowsToUnixPath(root);
    if (unixPath_.empty()) error_ = L"Wine gives no unix path for " + root;
}

DiscFolder::~DiscFolder() = default;

}  // namespace trayhush::e2e
