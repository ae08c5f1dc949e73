#pragma once

// The Win32 error codes that the logic tells apart.
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorPathNotFound = 3;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorNotReady = 21;
constexpr long kErrorFileTooLarge = 223;
constexpr long kErrorMoreData = 234;
