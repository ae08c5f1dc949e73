#pragma once
#include <functional>

// Runs the thread's messages until WM_QUIT; returns its exit code. Windows marked
// WS_EX_CONTROLPARENT get dialog keyboard handling (Tab, arrows, Space, Esc).
int RunMessageLoop();

// Runs messages until finished() is true. A WM_QUIT that arrives first ends it too and is
// posted again, so the outer loop ends as well.
void RunModalLoop(const std::function<bool()>& finished);
