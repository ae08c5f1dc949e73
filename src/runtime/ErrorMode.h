#pragma once

// Makes a drive without a disc, or a file that cannot be opened, fail with an error code
// instead of asking the user in a system dialog. The program shows no dialogs of its own
// and must not be the cause of one. Called once, at the entry point.
void SuppressCriticalErrorDialogs();
