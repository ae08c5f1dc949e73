#pragma once
#include <string>

#include "platform/SystemApi.h"

// The only copy running, in its usual folder.
class FakeSystem : public SystemApi {
public:
    bool ClaimSingleInstance() override { return true; }
    std::wstring ExecutableFolder() override { return L"C:\\Program Files\\Trayhush"; }
    int VersionMajor() override { return major; }
    int VersionMinor() override { return minor; }
    std::wstring FileDescription() override { return L"Trayhush"; }
    int major = 1, minor = 4;
};
