#include "app/Form1.h"

// While Shift is down the shell does not start a disc's AutoRun.
void Form1::HoldShiftKey() {
    if (Check[3].Value() == 0) return;
    Timer6.SetEnabled(false);
    m_platform.keyboard.keybd_event(kVkShift, 0, 0, 0);
    Timer6.SetEnabled(true);
}

void Form1::Timer6_Timer() {
    ReleaseShiftKey();
    Timer6.SetEnabled(false);
}

void Form1::ReleaseShiftKey() { m_platform.keyboard.keybd_event(kVkShift, 0, kKeyEventKeyUp, 0); }
