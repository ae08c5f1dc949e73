#include "tray/TrayCallback.h"

TrayCallback DecodeTrayCallback(std::uint32_t mouseMessage) {
    switch (mouseMessage) {
        case kWmMouseMove: return {TrayEvent::MouseMove, 0};
        case kWmLButtonUp: return {TrayEvent::MouseDown, kMkLButton};
        case kWmLButtonDblClk: return {TrayEvent::DoubleClick, kMkLButton};
        case kWmRButtonDown: return {TrayEvent::MouseDown, kMkRButton};
        case kWmRButtonUp: return {TrayEvent::MouseUp, kMkRButton};
        case kWmRButtonDblClk: return {TrayEvent::DoubleClick, kMkRButton};
        default: return {};  // WM_LBUTTONDOWN, middle button, ...
    }
}
