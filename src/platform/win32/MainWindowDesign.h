#pragma once
#include <windows.h>

#include <utility>

#include "platform/FormEvents.h"

// A class of the program's own: the common controls' EDIT would load them at start-up.
inline constexpr wchar_t kSignalFieldClass[] = L"TrayhushSignalField";
// A fixed single border with a minimise button and no maximise button.
constexpr DWORD kMainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kMainWindowExStyle = WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;

// Each timer's id is its number.
inline constexpr std::pair<FormTimer, UINT_PTR> kFormTimers[] = {
    {FormTimer::Timer1, 1}, {FormTimer::Timer6, 6}, {FormTimer::Timer7, 7}};
