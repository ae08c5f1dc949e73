#include "DemoOptions.h"

#include <map>

#include "harness/WinePaths.h"

namespace trayhush::demo {
namespace {

std::wstring WindowsPath(const std::wstring& path) {
    return !path.empty() && path[0] == L'/' ? testsupport::unixToWindowsPath(path) : path;
}

}  // namespace

const wchar_t* DemoUsage() {
    return L"usage: th_demo --trayhush <Trayhush.exe> --probe <th_notify_probe.dll> --disc <disc folder>\n"
           L"               --autorun <demoauto.exe> --player <demoplayer.exe>\n"
           L"               [--screenshot-ready <file> --screenshot-done <file>]\n"
           L"Paths may be unix paths; Wine maps them to its drives.\n";
}

bool ParseDemoOptions(int argc, wchar_t** argv, DemoOptions* options, std::wstring* error) {
    const std::map<std::wstring, std::wstring*> fields{
        {L"--trayhush", &options->trayhush},
        {L"--probe", &options->probe},
        {L"--disc", &options->discTemplate},
        {L"--autorun", &options->autorun},
        {L"--player", &options->player},
        {L"--screenshot-ready", &options->screenshotReady},
        {L"--screenshot-done", &options->screenshotDone},
    };
    for (int i = 1; i < argc; i += 2) {
        const auto field = fields.find(argv[i]);
        if (field == fields.end() || i + 1 >= argc) {
            *error = std::wstring(L"unknown or incomplete option ") + argv[i];
            return false;
        }
        *field->second = WindowsPath(argv[i + 1]);
    }
    for (const auto& [name, value] : fields) {
        const bool optional = name.rfind(L"--screenshot", 0) == 0;
        if (value->empty() && !optional) {
            *error = L"missing " + name;
            return false;
        }
    }
    if (options->screenshotReady.empty() != options->screenshotDone.empty()) {
        *error = L"--screenshot-ready and --screenshot-done go together";
        return false;
    }
    return true;
}

}  // namespace trayhush::demo
