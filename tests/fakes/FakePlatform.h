#pragma once
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeKeyboard.h"
#include "fakes/FakeProcesses.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeSystem.h"
#include "fakes/FakeText.h"
#include "fakes/FakeUi.h"
#include "fakes/FakeWindowHooks.h"
#include "platform/windowing/Platform.h"

// One machine's worth of fakes, and the Platform that hands them to the program.
struct FakePlatform {
    FakeRegistry registry;
    FakeFileSystem files;
    FakeProcesses processes;
    FakeKeyboard keyboard;
    FakeShell shell;
    FakeWindowHooks hooks;
    FakeSystem system;
    FakeUi ui;
    FakeText text;
    Platform platform{registry, files, processes, keyboard, shell, hooks, system, ui, text};
};
