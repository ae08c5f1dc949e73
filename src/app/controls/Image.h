#pragma once
#include "platform/Handle.h"

// An invisible image control that only holds a picture (an icon handle).
struct Image {
    Handle picture = 0;
};
