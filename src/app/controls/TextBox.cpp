#include "app/controls/TextBox.h"

void TextBox::SetText(const std::wstring& text) {
    if (text == text_) return;
    text_ = text;
    if (peer_) peer_->SetText(text_);
    if (Change) Change();
}
