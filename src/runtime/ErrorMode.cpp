#include "runtime/ErrorMode.h"

#include <windows.h>

void SuppressCriticalErrorDialogs() { ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX); }
