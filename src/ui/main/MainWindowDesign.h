#pragma once
#include <windows.h>

#include "platform/windowing/FormEvents.h"

// A class of the program's own: the common controls' EDIT would load them at start-up.
inline constexpr wchar_t kSignalFieldClass[] = L"TrayhushSignalField";
// A fixed single border with a minimise button and no maximise button.
constexpr DWORD kMainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kMainWindowExStyle = WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;

// Each timer's id is its number. The termination window's timer ticks on a thread of its
// own: its tick only scans and ends processes, and it ticks a hundred times a second.
struct FormTimerDesign {
    FormTimer timer;
    UINT_PTR id;
    bool ownThread;
};
inline constexpr FormTimerDesign kFormTimers[] = {
    {FormTimer::Timer1, 1, true}, {FormTimer::Timer6, 6, false}, {FormTimer::Timer7, 7, false}};
