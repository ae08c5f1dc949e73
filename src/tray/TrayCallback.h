#pragma once
#include <cstdint>

#include "platform/windowing/TrayApi.h"

// What one mouse message over the tray icon raises. The left button reports its click
// when released, the right one when pressed; the middle button raises nothing.
enum class TrayEvent { None, MouseMove, MouseDown, MouseUp, DoubleClick };

struct TrayCallback {
    TrayEvent event = TrayEvent::None;
    std::int32_t button = 0;  // kMkLButton or kMkRButton
};

TrayCallback DecodeTrayCallback(std::uint32_t mouseMessage);
