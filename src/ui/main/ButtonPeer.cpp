#include "ui/main/ButtonPeer.h"

void ButtonPeer::SetEnabled(bool enabled) { EnableWindow(button_, enabled); }

void ButtonPeer::SetValue(int value) {
    SendMessageW(button_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}
