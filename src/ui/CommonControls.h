#pragma once
#include <windows.h>

// Loads the common controls on first use and registers the given classes (ICC_ flags).
// Importing them would load them at start-up, for a box few users ever open.
bool InitCommonControlsOnDemand(DWORD classes);
