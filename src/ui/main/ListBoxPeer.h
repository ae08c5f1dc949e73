#pragma once
#include <windows.h>

#include "platform/windowing/ControlPeer.h"

// A real multiple-selection list box behind a headless ListBox.
class ListBoxPeer : public ControlPeer {
public:
    explicit ListBoxPeer(HWND list) : list_(list) {}
    void SetEnabled(bool enabled) override;
    void ListClear() override;
    void ListAdd(const std::wstring& text) override;
    void ListSetSelected(int index, bool selected) override;
    void ListSetCurrent(int index) override;

    int Count() const;
    bool IsSelected(int index) const;

private:
    HWND list_;
};
