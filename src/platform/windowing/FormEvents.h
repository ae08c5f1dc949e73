#pragma once
#include <string>
#include <vector>

#include "platform/windowing/ControlPeer.h"
#include "platform/windowing/FormPeer.h"

// The main window's controls and timers, as the real window knows them.
enum class FormControl { Check0, Check1, Check2, Check3, Check4, Check1Box, Frame0, Frame1, Frame2, List1, Text1 };
enum class FormTimer { Timer1, Timer6, Timer7 };

// What the real main window asks of its form and reports to it. A null peer unbinds.
class FormEvents {
public:
    virtual ~FormEvents() = default;
    virtual void BindWindow(FormPeer* window) = 0;
    virtual void BindControl(FormControl control, ControlPeer* peer) = 0;
    virtual void BindTimer(FormTimer timer, TimerPeer* peer) = 0;
    virtual std::wstring Caption(FormControl control) = 0;

    // The user clicked a check box.
    virtual void CheckBoxClicked(FormControl control) = 0;
    // The user changed the drive list's selection; selected holds the real list's state.
    virtual void ListSelectionChanged(const std::vector<bool>& selected) = 0;
    // The headless timer that a real timer's ticks go to; a tick on another thread reaches
    // that timer's handler and nothing else of the form.
    virtual TimerTarget& Ticks(FormTimer timer) = 0;
    virtual void Resized() = 0;
    virtual void Closed() = 0;
    // The session ends once this returns.
    virtual void SessionEnding() = 0;
    virtual void AboutChosen() = 0;
};
