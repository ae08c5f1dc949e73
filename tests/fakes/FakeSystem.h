#pragma once
#include <string>

#include "platform/SystemApi.h"

class FakeSystem : public SystemApi {
public:
    bool ClaimSingleInstance() override {
        ++claims;
        return !anotherInstance;
    }
    std::wstring ExecutableFolder() override { return folder; }
    int VersionMajor() override { return major; }
    int VersionMinor() override { return minor; }
    std::wstring FileDescription() override { return description; }

    bool anotherInstance = false;
    int claims = 0;
    std::wstring folder = L"C:\\Program Files\\Trayhush";
    int major = 1, minor = 4;
    std::wstring description = L"Trayhush";
};
