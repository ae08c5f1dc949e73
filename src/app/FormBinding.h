#pragma once
#include "app/Form1.h"
#include "platform/windowing/FormEvents.h"

// Form1 as its real window sees it: the window binds Form1's controls and timers to its
// own and reports the user's actions to Form1's handlers.
class FormBinding : public FormEvents {
public:
    explicit FormBinding(Form1& form) : form_(form) {}

    void BindWindow(FormPeer* window) override { form_.Bind(window); }
    void BindControl(FormControl control, ControlPeer* peer) override { ControlOf(control).Bind(peer); }
    void BindTimer(FormTimer timer, TimerPeer* peer) override { TimerOf(timer).Bind(peer); }
    std::wstring Caption(FormControl control) override { return ControlOf(control).Caption(); }

    void CheckBoxClicked(FormControl control) override;
    void ListSelectionChanged(const std::vector<bool>& selected) override;
    TimerTarget& Ticks(FormTimer timer) override { return TimerOf(timer); }
    void Resized() override { form_.Form_Resize(); }
    void Closed() override { form_.Form_Unload(); }
    void SessionEnding() override { form_.ender(); }
    void AboutChosen() override { form_.About_Click(); }

private:
    Control& ControlOf(FormControl control);
    CheckBox* CheckBoxOf(FormControl control);
    Timer& TimerOf(FormTimer timer);

    Form1& form_;
};
