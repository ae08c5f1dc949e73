#pragma once
#include <string>

// The real control behind a headless one. Every operation defaults to nothing, so a
// peer implements only what its kind of control has.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void SetEnabled(bool) {}
    virtual void SetValue(int) {}
    virtual void SetText(const std::wstring&) {}
    virtual void ListClear() {}
    virtual void ListAdd(const std::wstring&) {}
    virtual void ListSetSelected(int, bool) {}
    virtual void ListSetCurrent(int) {}
};

// What a real timer calls at each tick: its headless timer, and nothing else of the form.
class TimerTarget {
public:
    virtual ~TimerTarget() = default;
    virtual void Fire() = 0;
};

// The real timer behind a headless Timer.
class TimerPeer {
public:
    virtual ~TimerPeer() = default;
    virtual void Start(unsigned intervalMs) = 0;
    virtual void Stop() = 0;
};
