#pragma once
#include <string>

#include "platform/ShellApi.h"
#include "platform/SystemApi.h"

extern const wchar_t kHomePageAddress[];
extern const wchar_t kMailAddress[];
extern const wchar_t kMakerLine[];

// Opens the product's home page in the default browser.
void OpenHomePage(ShellApi& shell);

// "Version " and the two version numbers, without leading zeros.
std::wstring VersionCaption(int major, int minor);

// The About box: name, version, maker, and the mail and home-page links.
class Abouts {
public:
    Abouts(ShellApi& shell, SystemApi& system) : shell_(shell), system_(system) {}

    void Form_Load();
    void Labelr_Click(int Index);
    void Command_Click() { closed_ = true; }
    void SendMail();

    // Label(5), set at load.
    const std::wstring& VersionLabel() const { return versionLabel_; }
    bool Closed() const { return closed_; }

private:
    ShellApi& shell_;
    SystemApi& system_;
    std::wstring versionLabel_;
    bool closed_ = false;
};
