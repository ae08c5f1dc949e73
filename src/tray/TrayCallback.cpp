#include "tray/TrayCallback.h"

TrayCallback DecodeTrayCallback(std::uint32_t mouseMessage) {
    switch (mouseMessage) {
        case 0x200: return {TrayEvent::MouseMove, 0};    // WM_MOUSEMOVE
        case 0x202: return {TrayEvent::MouseDown, 1};    // WM_LBUTTONUP
        case 0x203: return {TrayEvent::DoubleClick, 1};  // WM_LBUTTONDBLCLK
        case 0x204: return {TrayEvent::MouseDown, 2};    // WM_RBUTTONDOWN
        case 0x205: return {TrayEvent::MouseUp, 2};      // WM_RBUTTONUP
        case 0x206: return {TrayEvent::DoubleClick, 2};  // WM_RBUTTONDBLCLK
        default: return {};                              // WM_LBUTTONDOWN, middle button, ...
    }
}
