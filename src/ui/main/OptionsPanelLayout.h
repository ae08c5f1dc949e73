#pragma once
#include <windows.h>

#include <vector>

#include "platform/windowing/FormEvents.h"
#include "ui/Dpi.h"

enum class PanelControlKind { CheckBox, GroupBox, ListBox, SignalField };

// One control of the main window, in its design units.
struct PanelControl {
    int id;
    FormControl control;  // the form's control it shows
    PanelControlKind kind;
    int containerId;  // 0: the window itself, else the id of the group box that holds it
    TwipsRect rect;   // relative to the container
    bool bold;
};

constexpr int kPanelClientWidthTwips = 4410;
constexpr int kPanelClientHeightTwips = 2895;

// The controls in tab order, which is also the order they are created in.
const std::vector<PanelControl>& OptionsPanelControls();

// The control with this id, or null.
const PanelControl* PanelControlOf(int id);

// A control's rectangle in the window's client area, in twips.
TwipsRect ClientTwipsRect(const PanelControl& control);
// The same in pixels for a DPI.
RECT ClientPixelRect(const PanelControl& control, unsigned dpi);
