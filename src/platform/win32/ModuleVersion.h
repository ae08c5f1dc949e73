#pragma once
#include <string>

// The version resource of the running executable.
struct ModuleVersion {
    int major = 0;
    int minor = 0;
    std::wstring fileDescription;
};

ModuleVersion ReadOwnVersion();
std::wstring OwnExecutablePath();
