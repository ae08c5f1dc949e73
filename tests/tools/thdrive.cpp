// Command-line front end to Wine's mount manager, so that shell-driven
// end-to-end tests can insert and eject simulated discs while the program
// under test keeps running.

#include "../support/VolumeBroadcast.h"
#include "../support/WineMountManager.h"
#include "../support/WinePaths.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace trayhush::testsupport;

namespace {

int usage() {
    std::fwprintf(stderr,
                  L"usage: thdrive [--silent] define <letter> cdrom <unix-folder|-> [label]\n"
                  L"       thdrive [--silent] remove <letter>\n"
                  L"A folder of \"-\" leaves the drive empty (no medium), like an eject.\n"
                  L"Unless --silent, WM_DEVICECHANGE is broadcast as Windows would for the change.\n");
    return 2;
}

int fail(const std::wstring& what, DWORD error) {
    std::fwprintf(stderr, L"thdrive: %ls: %ls\n", what.c_str(), describeWin32Error(error).c_str());
    return 1;
}

std::wstring driveName(wchar_t letter) {
    return std::wstring(L"drive ") + letter;
}

// Accepts "X", "x" and "X:" because test scripts spell drives all three ways.
bool parseLetter(const std::wstring& text, wchar_t& letter) {
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text[1] != L':')) return false;
    letter = text[0];
    return (letter >= L'A' && letter <= L'Z') || (letter >= L'a' && letter <= L'z');
}

int announce(bool silent, wchar_t letter, VolumeChange change) {
    if (silent) return 0;
    if (DWORD error = announceVolumeChange(letter, change))
        return fail(driveName(letter) + L" changed, but broadcasting WM_DEVICECHANGE failed", error);
    return 0;
}

int defineCdRom(bool silent, wchar_t letter, const std::wstring& folderArg, const std::wstring* label) {
    std::wstring folder = folderArg == L"-" ? std::wstring() : folderArg;
    if (label) {
        if (folder.empty()) {
            std::fwprintf(stderr, L"thdrive: a drive without a medium cannot carry a label\n");
            return 2;
        }
        if (DWORD error = writeWineVolumeLabel(folder, *label))
            return fail(L"cannot write the label into " + folder, error);
    }
    if (DWORD error = defineWineCdRomDrive(letter, folder))
        return fail(L"cannot define " + driveName(letter), error);
    return announce(silent, letter, folder.empty() ? VolumeChange::MediaRemoved : VolumeChange::MediaArrived);
}

int removeDrive(bool silent, wchar_t letter) {
    if (DWORD error = removeWineDrive(letter)) return fail(L"cannot remove " + driveName(letter), error);
    return announce(silent, letter, VolumeChange::DriveRemoved);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> args(argv + 1, argv + argc);
    bool silent = !args.empty() && args[0] == L"--silent";
    if (silent) args.erase(args.begin());
    if (args.size() < 2) return usage();

    if (!isRunningUnderWine()) {
        std::fwprintf(stderr, L"thdrive: needs Wine's mount manager; not running under Wine\n");
        return 3;
    }

    wchar_t letter = 0;
    if (!parseLetter(args[1], letter)) {
        std::fwprintf(stderr, L"thdrive: not a drive letter: %ls\n", args[1].c_str());
        return 2;
    }

    if (args[0] == L"define") {
        if (args.size() < 4 || args.size() > 5 || args[2] != L"cdrom") return usage();
        return defineCdRom(silent, letter, args[3], args.size() == 5 ? &args[4] : nullptr);
    }
    if (args[0] == L"remove" && args.size() == 2) return removeDrive(silent, letter);
    return usage();
}
