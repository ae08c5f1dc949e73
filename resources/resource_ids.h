/* Identifiers shared by Trayhush.rc and the C++ sources. Plain #defines only:
   the resource compiler reads this file too. */
#ifndef TRAYHUSH_RESOURCE_IDS_H
#define TRAYHUSH_RESOURCE_IDS_H

#define TH_VERSION_MAJOR 1
#define TH_VERSION_MINOR 4
#define TH_VERSION_STRING "1.4"

/* Icons. The green disc has the lowest id because Explorer shows the icon
   with the lowest id as the executable's own icon. */
#define IDI_DISC_GREEN 101 /* blocking on; also the main window's icon */
#define IDI_DISC_RED 102   /* blocking off */

/* Menu bar of the main window. */
#define IDR_MAINMENU 201

/* Menu commands. Kept apart from the control ids below because both arrive
   as WM_COMMAND with the id in the low word. */
#define IDM_ABOUT 40001

/* Controls of the main window. */
#define IDC_CHECK0 1000
#define IDC_CHECK1 1001
#define IDC_CHECK2 1002
#define IDC_CHECK3 1003
#define IDC_CHECK4 1004
#define IDC_CHECK1BOX 1010
#define IDC_LIST1 1020
#define IDC_TEXT1 1030
#define IDC_FRAME0 1040
#define IDC_FRAME1 1041
#define IDC_FRAME2 1042

/* Controls of the About box. */
#define IDC_ABOUT_CLOSE 1100
#define IDC_LINK_MAIL 1101
#define IDC_LINK_HOME 1102

#endif /* TRAYHUSH_RESOURCE_IDS_H */
