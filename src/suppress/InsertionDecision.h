#pragma once
#include <string>

#include "platform/FileSystemApi.h"
#include "platform/TextApi.h"

// What the program knows when a drive is reported: the options as the boxes show them and
// where the drive stands in the list.
struct InsertionState {
    std::wstring root;           // the drive root reported
    bool blocking = false;       // "Enable Blocking"
    bool driveListed = false;    // the drive is in the drive list
    bool driveSelected = false;  // ... and selected there
    bool allDrives = false;      // "Block on All Drives"
    bool shiftMethod = false;    // detection method two with block method two
    bool runDefaultProgram = false;
};

struct InsertionAction {
    bool holdShift = false;
    bool terminateAutorun = false;
    bool runDefaultProgram = false;
};

// Only a DVD-Video disc that also carries an autorun file, in a drive that is blocked, is
// acted on; the disc is looked at only once the options allow it. Nothing for anything else.
InsertionAction DecideInsertion(const InsertionState& state, FileSystemApi& files, TextApi& text);
