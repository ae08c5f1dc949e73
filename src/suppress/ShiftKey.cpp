#include "suppress/ShiftKey.h"

void PressShiftKey(KeyboardApi& keyboard) { keyboard.keybd_event(kVkShift, 0, 0, 0); }

void ReleaseShiftKey(KeyboardApi& keyboard) { keyboard.keybd_event(kVkShift, 0, kKeyEventKeyUp, 0); }
