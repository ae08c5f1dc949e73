#include "app/Form1.h"

// Exactly one detection method runs: the shell's notifications or Timer7's polling.

void Form1::subclassit() {
    Timer7.SetEnabled(false);
    // The Shift-key method needs polling; its value is kept for when polling returns.
    Check[4].SetEnabled(false);
    if (HookWindowProc(WindowHandle())) RegisterShellNotify(WindowHandle());
}

// Every step runs whatever the one before it did, so the program can always fall back
// to polling and always leaves the window as it found it.
void Form1::unsubclassit() {
    Timer7.SetEnabled(true);
    // A termination in progress belongs to the method that is being left.
    Timer1.SetEnabled(false);
    Check[4].SetEnabled(true);
    DeregisterShellNotify();
    UnhookWindowProc(WindowHandle());
}
