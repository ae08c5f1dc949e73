#include "app/Form1.h"

bool Form1::RunDefaultDvdCommand() { return false; }
