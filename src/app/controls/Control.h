#pragma once
#include <string>

#include "platform/windowing/ControlPeer.h"

// State shared by every control: enabled, a caption, and the real control if bound.
class Control {
public:
    virtual ~Control() = default;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption) { caption_ = caption; }
    // Pushes the control's state to the real control; each kind adds its own.
    virtual void Bind(ControlPeer* peer);

protected:
    ControlPeer* peer_ = nullptr;

private:
    bool enabled_ = true;
    std::wstring caption_;
};

// A frame only groups controls.
class GroupFrame : public Control {};
