#include "app/FormBinding.h"

CheckBox* FormBinding::CheckBoxOf(FormControl control) {
    switch (control) {
        case FormControl::Check0: return &form_.Check[0];
        case FormControl::Check1: return &form_.Check[1];
        case FormControl::Check2: return &form_.Check[2];
        case FormControl::Check3: return &form_.Check[3];
        case FormControl::Check4: return &form_.Check[4];
        case FormControl::Check1Box: return &form_.Check1;
        default: return nullptr;
    }
}

Control& FormBinding::ControlOf(FormControl control) {
    if (CheckBox* box = CheckBoxOf(control)) return *box;
    switch (control) {
        case FormControl::Frame0: return form_.Frame[0];
        case FormControl::Frame1: return form_.Frame[1];
        case FormControl::Frame2: return form_.Frame[2];
        case FormControl::List1: return form_.List1;
        default: return form_.Text1;
    }
}

Timer& FormBinding::TimerOf(FormTimer timer) {
    switch (timer) {
        case FormTimer::Timer1: return form_.Timer1;
        case FormTimer::Timer6: return form_.Timer6;
        default: return form_.Timer7;
    }
}


void FormBinding::CheckBoxClicked(FormControl control) {
    CheckBox* box = CheckBoxOf(control);
    if (box && box->Enabled()) box->UserClick();
}

void FormBinding::ListSelectionChanged(const std::vector<bool>& selected) {
    // The list reports that its selection changed, not where: compare entry by entry.
    ListBox& list = form_.List1;
    for (int i = 0; i < list.ListCount() && i < static_cast<int>(selected.size()); ++i)
        if (selected[i] != list.Selected(i)) list.UserSetSelected(i, selected[i]);
}
