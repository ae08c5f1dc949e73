#include "ui/main/OptionsPanelLayout.h"

#include "ui/Dpi.h"
#include "resource_ids.h"

const std::vector<PanelControl>& OptionsPanelControls() {
    using K = PanelControlKind;
    using C = FormControl;
    static const std::vector<PanelControl> controls{
        {IDC_CHECK1, C::Check1, K::CheckBox, 0, {240, 120, 1815, 195}, true},
        {IDC_CHECK0, C::Check0, K::CheckBox, IDC_FRAME0, {120, 360, 1815, 195}, false},
        {IDC_CHECK2, C::Check2, K::CheckBox, IDC_FRAME0, {120, 600, 1815, 195}, false},
        {IDC_CHECK3, C::Check3, K::CheckBox, IDC_FRAME2, {120, 360, 3015, 195}, false},
        {IDC_CHECK4, C::Check4, K::CheckBox, IDC_FRAME2, {120, 600, 3975, 195}, false},
        {IDC_CHECK1BOX, C::Check1Box, K::CheckBox, IDC_FRAME2, {120, 840, 3975, 195}, false},
        {IDC_LIST1, C::List1, K::ListBox, IDC_FRAME1, {240, 360, 1215, 960}, false},
        {IDC_TEXT1, C::Text1, K::SignalField, 0, {0, 0, 0, 0}, false},
        {IDC_FRAME1, C::Frame1, K::GroupBox, 0, {2618, 0, 1695, 1455}, false},
        {IDC_FRAME0, C::Frame0, K::GroupBox, 0, {98, 480, 2415, 975}, false},
        {IDC_FRAME2, C::Frame2, K::GroupBox, 0, {98, 1560, 4215, 1215}, false},
    };
    return controls;
}

const PanelControl* PanelControlOf(int id) {
    for (const PanelControl& control : OptionsPanelControls())
        if (control.id == id) return &control;
    return nullptr;
}

TwipsRect ClientTwipsRect(const PanelControl& control) {
    TwipsRect rect = control.rect;
    if (control.containerId == 0) return rect;
    for (const PanelControl& container : OptionsPanelControls()) {
        if (container.id != control.containerId) continue;
        rect.left += container.rect.left;
        rect.top += container.rect.top;
    }
    return rect;
}

RECT ClientPixelRect(const PanelControl& control, unsigned dpi) {
    const TwipsRect twips = ClientTwipsRect(control);
    const int left = TwipsToPixels(twips.left, dpi);
    const int top = TwipsToPixels(twips.top, dpi);
    return RECT{left, top, left + TwipsToPixels(twips.width, dpi),
                top + TwipsToPixels(twips.height, dpi)};
}
