#pragma once
#include <windows.h>

#include <memory>

#include "app/Form1.h"
#include "app/FormBinding.h"
#include "platform/windowing/Platform.h"
#include "ui/main/MainWindow.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32FileSystemApi.h"
#include "platform/win32/Win32KeyboardApi.h"
#include "platform/win32/Win32ProcessApi.h"
#include "platform/win32/Win32RegistryApi.h"
#include "platform/win32/Win32ShellApi.h"
#include "platform/win32/Win32SystemApi.h"
#include "platform/win32/Win32TextApi.h"
#include "ui/Win32UiApi.h"
#include "platform/win32/Win32WindowHookApi.h"

// The program: the Win32 services, the main window over Form1, and the message loop.
class Win32App {
public:
    explicit Win32App(HINSTANCE instance);
    ~Win32App();
    Win32App(const Win32App&) = delete;
    Win32App& operator=(const Win32App&) = delete;

    // Runs the program to its end and returns the process exit code.
    int Run();
    // Run's start-up alone, for a caller that drives the windows itself: false when the
    // program is to end at once.
    bool Start();
    // The main window once Start has succeeded, else null.
    HWND MainWindowHandle() const;
    // For a caller that drives the form's timers itself.
    Form1& Form() { return form_; }

private:
    void LoadTrayImages();

    HINSTANCE instance_;
    Win32RegistryApi registry_;
    Win32FileSystemApi files_;
    Win32ProcessApi processes_;
    Win32KeyboardApi keyboard_;
    Win32ShellApi shell_;
    Win32WindowHookApi hooks_;
    Win32SystemApi system_;
    Win32UiApi ui_;
    Win32TextApi text_;
    Platform platform_;
    // Red and green, as Form1's Imge; they outlive the form, whose tray icon and window show them.
    UniqueIcon smallDiscs_[2];
    UniqueIcon largeDiscs_[2];
    Form1 form_;
    FormBinding binding_{form_};
    std::unique_ptr<MainWindow> window_;
};
