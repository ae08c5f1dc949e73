#pragma once
#include <memory>
#include <string>

class TempFolder;

namespace trayhush::e2e {

// What a simulated disc carries. The default is the disc Trayhush exists for: a
// DVD-Video disc whose autorun file starts its own program.
struct DiscContents {
    bool videoTs = true;     // VIDEO_TS\VIDEO_TS.IFO
    bool autorunInf = true;  // AUTORUN.INF naming the program below
    std::wstring program = L"SETUP.EXE";
    std::wstring programSource;  // full Windows path of the exe copied onto the disc
    std::wstring label;          // the volume label a Wine CD-ROM drive shows for it
};

// A folder that a simulated CD-ROM drive shows as its disc, removed when the object goes.
class DiscFolder {
public:
    explicit DiscFolder(const DiscContents& contents);
    ~DiscFolder();
    DiscFolder(const DiscFolder&) = delete;
    DiscFolder& operator=(const DiscFolder&) = delete;

    // Empty when the folder could not be made; Error() says why.
    const std::wstring& UnixPath() const { return unixPath_; }
    const std::wstring& Error() const { return error_; }

private:
    std::unique_ptr<TempFolder> folder_;
    std::wstring unixPath_;
    std::wstring error_;
};

}  // namespace trayhush::e2e
