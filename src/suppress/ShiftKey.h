#pragma once
#include "platform/KeyboardApi.h"

// While Shift is down the shell does not start a disc's AutoRun.
void PressShiftKey(KeyboardApi& keyboard);
void ReleaseShiftKey(KeyboardApi& keyboard);
