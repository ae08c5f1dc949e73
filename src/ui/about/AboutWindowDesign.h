#pragma once
#include <windows.h>

#include "ui/Dpi.h"
#include "resource_ids.h"

// The About box's design, shared by its creation and its message handling.
namespace about_design {

inline constexpr wchar_t kAboutWindowClass[] = L"TrayhushAboutBox";
inline constexpr wchar_t kCaption[] = L"About Trayhush";
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kClientWidthTwips = 5355;
constexpr int kClientHeightTwips = 1755;

// Labels have no id of their own in the design; these keep them apart here.
constexpr int kNameLabel = 2001;
constexpr int kVersionLabel = 2002;
constexpr int kMakerLabel = 2003;
constexpr int kBugLabel = 2004;
constexpr int kUpdatesLabel = 2005;

constexpr COLORREF kVersionColour = RGB(0xFF, 0x00, 0x00);
constexpr COLORREF kLinkColour = RGB(0x00, 0x00, 0xFF);

struct LabelDesign {
    int id;
    int left, top;  // twips; every label is as large as its text
};

// The labels' top-left corners, in creation (and tab) order.
constexpr LabelDesign kLabels[] = {
    {kNameLabel, 240, 240},   {kVersionLabel, 3000, 240}, {kMakerLabel, 240, 480},
    {kBugLabel, 240, 720},    {IDC_LINK_MAIL, 3000, 720}, {kUpdatesLabel, 240, 960},
    {IDC_LINK_HOME, 3000, 960},
};
constexpr TwipsRect kCloseButton{4200, 1320, 1095, 375};

}  // namespace about_design
