#pragma once
#include "platform/FileSystemApi.h"
#include "platform/KeyboardApi.h"
#include "platform/ProcessApi.h"
#include "platform/RegistryApi.h"
#include "platform/ShellApi.h"
#include "platform/SystemApi.h"
#include "platform/TextApi.h"
#include "platform/windowing/UiApi.h"
#include "platform/windowing/WindowHookApi.h"

// Every operating-system service the program uses; Win32 in the program, fakes in tests.
struct Platform {
    RegistryApi& registry;
    FileSystemApi& files;
    ProcessApi& processes;
    KeyboardApi& keyboard;
    ShellApi& shell;
    WindowHookApi& hooks;
    SystemApi& system;
    UiApi& ui;
    TextApi& text;
};
