#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/controls/Control.h"

// A multi-select list box. Only the user's changes raise Click; the program's own
// selection changes are silent.
class ListBox : public Control {
public:
    void Clear();
    void AddItem(const std::wstring& text);
    int ListCount() const { return static_cast<int>(items_.size()); }
    // The entry's text, or "" for an index outside the list.
    std::wstring List(int index) const;
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int index);
    // The user changed an entry's selection on the real list.
    void UserSetSelected(int index, bool selected);
    void Bind(ControlPeer* peer) override;

    std::function<void()> Click;

private:
    struct Item {
        std::wstring text;
        bool selected = false;
    };
    bool Valid(int index) const { return index >= 0 && index < ListCount(); }

    std::vector<Item> items_;
    int listIndex_ = -1;
};
