#pragma once
#include <string>

// Facts about the running program and its session.
class SystemApi {
public:
    virtual ~SystemApi() = default;
    // Claims the single-instance token (a named mutex held until the process ends).
    // False when another instance already holds it; true again once this process holds it.
    virtual bool ClaimSingleInstance() = 0;
    // Folder of the running executable, without a trailing backslash unless it is a drive root.
    virtual std::wstring ExecutableFolder() = 0;
    virtual int VersionMajor() = 0;
    virtual int VersionMinor() = 0;
    virtual std::wstring FileDescription() = 0;
};
