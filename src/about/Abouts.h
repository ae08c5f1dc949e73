#pragma once
#include <string>

#include "platform/ShellApi.h"
#include "platform/SystemApi.h"
#include "platform/windowing/UiApi.h"

extern const wchar_t kHomePageAddress[];
extern const wchar_t kMailAddress[];
extern const wchar_t kMakerLine[];

// Opens the product's home page in the default browser.
void OpenHomePage(ShellApi& shell);

// "Version " and the two version numbers, without leading zeros.
std::wstring VersionCaption(int major, int minor);

// The About box: name, version, maker, and the mail and home-page links.
class Abouts : public AboutView {
public:
    Abouts(ShellApi& shell, SystemApi& system) : shell_(shell), system_(system) {}

    void Form_Load() override;
    void Labelr_Click(int Index) override;
    void Command_Click() override { closed_ = true; }
    void SendMail();

    // Label(5), set at load.
    std::wstring VersionLabel() const override { return versionLabel_; }
    std::wstring MakerLine() const override { return kMakerLine; }
    std::wstring MailAddress() const override { return kMailAddress; }
    std::wstring HomePageAddress() const override { return kHomePageAddress; }
    bool Closed() const override { return closed_; }

private:
    ShellApi& shell_;
    SystemApi& system_;
    std::wstring versionLabel_;
    bool closed_ = false;
};
