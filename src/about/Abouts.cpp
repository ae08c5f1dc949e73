#include "about/Abouts.h"

// Short enough to fit the About box's link labels, which are as wide as their text.
const wchar_t kHomePageAddress[] = L"https://trayhush.example";
const wchar_t kMailAddress[] = L"mail@trayhush.example";
const wchar_t kMakerLine[] = L"By the Trayhush developers";

namespace {
// Both links open from a fixed folder, shown normally.
const wchar_t kLinkFolder[] = L"C:\\";
constexpr int kShowNormal = 1;
}  // namespace

void OpenHomePage(ShellApi& shell) { shell.ShellExecuteW(kHomePageAddress, kLinkFolder, kShowNormal); }

std::wstring VersionCaption(int major, int minor) {
    return L"Version " + std::to_wstring(major) + L"." + std::to_wstring(minor);
}

void Abouts::Form_Load() {
    closed_ = false;
    versionLabel_ = VersionCaption(system_.VersionMajor(), system_.VersionMinor());
}

void Abouts::Labelr_Click(int Index) {
    if (Index == 0)
        SendMail();
    else
        OpenHomePage(shell_);
}

void Abouts::SendMail() {
    shell_.ShellExecuteW(std::wstring(L"mailto:") + kMailAddress, kLinkFolder, kShowNormal);
}
