// Runs inside Trayhush.exe on a thread the injector creates: Wine hands shell change
// notifications only to windows of the process that raises them, so the shell's
// announcement of a new disc has to be raised from in there.
#include <windows.h>
#include <shlobj.h>

// The thread parameter carries the drive letter itself, so nothing has to be shared
// with the injector beyond the call.
extern "C" __declspec(dllexport) DWORD WINAPI ThAnnounceMediaInserted(void* parameter) {
    const auto letter = static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(parameter));
    if (!((letter >= L'A' && letter <= L'Z') || (letter >= L'a' && letter <= L'z'))) return 0;
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    // SHCNF_FLUSH: the call returns once the program's window has handled the message,
    // so the injector's wait also covers the handling.
    SHChangeNotify(SHCNE_MEDIAINSERTED, SHCNF_PATHW | SHCNF_FLUSH, root, nullptr);
    return 1;
}
