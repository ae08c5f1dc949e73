#include "tray/TipField.h"

std::wstring MakeTipField(const std::wstring& text) {
    std::wstring field = text.substr(0, kTipFieldLength - 1);
    field.push_back(L'\0');
    field.resize(kTipFieldLength, L' ');
    return field;
}

std::wstring TipFieldText(const std::wstring& field) {
    return field.substr(0, field.find(L'\0'));
}
