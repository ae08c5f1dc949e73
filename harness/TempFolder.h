#pragma once
#include <string>

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    // Writes a file below the folder, creating its folders; relative uses backslashes.
    bool Write(const std::wstring& relative, const std::string& bytes) const;

private:
    std::wstring path_;
};
