#pragma once
#include <windows.h>

#include <string>

namespace trayhush::e2e {

// "error 5 (Access denied.)": the number for searching, the words for reading.
std::wstring DescribeError(DWORD error);

}  // namespace trayhush::e2e
