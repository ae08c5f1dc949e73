#pragma once
#include "platform/ProcessApi.h"
#include "platform/RegistryApi.h"

// Starts, minimised, the command of the default verb registered for DVD discs. False when
// nothing could be started.
bool RunDefaultDvdCommand(RegistryApi& registry, ProcessApi& processes);
