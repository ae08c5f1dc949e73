#include "ui/main/ListBoxPeer.h"

void ListBoxPeer::SetEnabled(bool enabled) { EnableWindow(list_, enabled); }

void ListBoxPeer::ListClear() { SendMessageW(list_, LB_RESETCONTENT, 0, 0); }

void ListBoxPeer::ListAdd(const std::wstring& text) {
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBoxPeer::ListSetSelected(int index, bool selected) {
    SendMessageW(list_, LB_SETSEL, selected, index);
}

void ListBoxPeer::ListSetCurrent(int index) {
    // A multiple-selection list has no "no current entry": the focus rectangle stays where
    // it is, and the selection is untouched either way.
    if (index >= 0) SendMessageW(list_, LB_SETCARETINDEX, index, FALSE);
}

int ListBoxPeer::Count() const {
    const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

bool ListBoxPeer::IsSelected(int index) const {
    return SendMessageW(list_, LB_GETSEL, index, 0) > 0;
}
