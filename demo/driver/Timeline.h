#pragma once
#include <windows.h>

#include <string>

namespace trayhush::demo {

// What happened and when, in lines a person can follow: milliseconds since the start of
// the demonstration, then the event.
class Timeline {
public:
    Timeline();
    ULONGLONG Now() const;
    void Event(const std::wstring& text) const;
    void Detail(const std::wstring& text) const;
    void Failure(const std::wstring& text) const;

private:
    ULONGLONG start_;
};

}  // namespace trayhush::demo
