#include "app/controls/ListBox.h"

void ListBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    if (peer_) peer_->ListClear();
}

void ListBox::AddItem(const std::wstring& text) {
    items_.push_back({text, false});
    if (peer_) peer_->ListAdd(text);
}

std::wstring ListBox::List(int index) const { return Valid(index) ? items_[index].text : L""; }

bool ListBox::Selected(int index) const { return Valid(index) && items_[index].selected; }

void ListBox::SetSelected(int index, bool selected) {
    if (!Valid(index)) return;
    items_[index].selected = selected;
    if (peer_) peer_->ListSetSelected(index, selected);
}

void ListBox::SetListIndex(int index) {
    listIndex_ = Valid(index) ? index : -1;
    if (peer_) peer_->ListSetCurrent(listIndex_);
}

void ListBox::UserSetSelected(int index, bool selected) {
    if (!Valid(index)) return;
    items_[index].selected = selected;
    listIndex_ = index;
    if (Click) Click();
}

void ListBox::Bind(ControlPeer* peer) {
    Control::Bind(peer);
    if (!peer_) return;
    peer_->ListClear();
    for (int i = 0; i < ListCount(); ++i) {
        peer_->ListAdd(items_[i].text);
        peer_->ListSetSelected(i, items_[i].selected);
    }
    peer_->ListSetCurrent(listIndex_);
}
