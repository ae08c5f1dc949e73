#pragma once
#include <functional>
#include <string>

#include "app/controls/Control.h"

// A text box: setting a different text raises Change; the same text raises nothing.
class TextBox : public Control {
public:
    const std::wstring& Text() const { return text_; }
    void SetText(const std::wstring& text);

    std::function<void()> Change;

private:
    std::wstring text_;
};
