#include "suppress/InsertionDecision.h"

#include "suppress/DiscFiles.h"

InsertionAction DecideInsertion(const InsertionState& state, FileSystemApi& files, TextApi& text) {
    if (state.root.empty() || !state.blocking || !state.driveListed) return {};
    if (!state.driveSelected && !state.allDrives) return {};
    if (!DiscHasFile(files, text, state.root + L"VIDEO_TS\\VIDEO_TS.IFO", L"Video_ts.ifo")) return {};
    if (!DiscHasFile(files, text, state.root + L"AUTORUN.INF", L"autorun.inf")) return {};
    InsertionAction action;
    action.holdShift = state.shiftMethod;
    action.terminateAutorun = !state.shiftMethod;
    action.runDefaultProgram = state.runDefaultProgram;
    return action;
}
