#pragma once
#include <memory>
#include <string>

class TempFolder;

namespace trayhush::demo {

// The demonstration disc, assembled for this run in a temporary folder: the files kept in
// the repository plus the freshly built autorun program. Removed when the object goes.
class DemoDisc {
public:
    DemoDisc(const std::wstring& templateFolder, const std::wstring& autorunProgram);
    ~DemoDisc();
    DemoDisc(const DemoDisc&) = delete;
    DemoDisc& operator=(const DemoDisc&) = delete;

    // Empty when the disc could not be assembled; Error() says why.
    const std::wstring& UnixPath() const { return unixPath_; }
    const std::wstring& Error() const { return error_; }

    // Where AUTORUN.INF names it as many real discs do, with a forward slash
    // ("open=setup/demoauto.exe"), which Windows runs from the folder SETUP.
    static constexpr const wchar_t* kProgramFolder = L"SETUP";
    static constexpr const wchar_t* kProgramName = L"SETUP\\DEMOAUTO.EXE";

private:
    bool CopyTree(const std::wstring& from, const std::wstring& to);

    std::unique_ptr<TempFolder> folder_;
    std::wstring unixPath_;
    std::wstring error_;
};

}  // namespace trayhush::demo
