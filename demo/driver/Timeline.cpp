#include "Timeline.h"

#include <cstdio>

#include "harness/WinePaths.h"

namespace trayhush::demo {
namespace {

// UTF-8, flushed per line: the output goes through Wine to a Linux terminal or pipe.
void Print(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

Timeline::Timeline() : start_(GetTickCount64()) {}

ULONGLONG Timeline::Now() const { return GetTickCount64() - start_; }

void Timeline::Event(const std::wstring& text) const {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%7llu ms  ", static_cast<unsigned long long>(Now()));
    Print(stamp + testsupport::toUtf8(text));
}

void Timeline::Detail(const std::wstring& text) const { Print("            " + testsupport::toUtf8(text)); }

void Timeline::Failure(const std::wstring& text) const { Print("FAILED: " + testsupport::toUtf8(text)); }

}  // namespace trayhush::demo
