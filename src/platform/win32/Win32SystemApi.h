#pragma once
#include "platform/SystemApi.h"
#include "platform/win32/Win32Handles.h"

class Win32SystemApi : public SystemApi {
public:
    bool ClaimSingleInstance() override;
    std::wstring ExecutableFolder() override;
    int VersionMajor() override;
    int VersionMinor() override;
    std::wstring FileDescription() override;

    // Name of the mutex that marks a running instance in this session.
    static const wchar_t kInstanceMutexName[];

private:
    UniqueHandle instanceMutex_;
};
