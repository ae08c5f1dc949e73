#pragma once
#include <string>

#include "platform/SystemApi.h"

// The only copy running, from the folder it was started in.
class FakeSystem : public SystemApi {
public:
    bool ClaimSingleInstance() override { return true; }
    std::wstring ExecutableFolder() override { return folder; }
    int VersionMajor() override { return 1; }
    int VersionMinor() override { return 4; }
    std::wstring FileDescription() override { return L"Trayhush"; }
    std::wstring folder = L"C:\\Program Files\\Trayhush";
};
