// Every Win32 number that the interfaces name for the logic, against the system headers'
// own: a wrong value stops the build of the program instead of misleading it at run time.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <cstdint>

#include "platform/FileSystemApi.h"
#include "platform/KeyboardApi.h"
#include "platform/ProcessApi.h"
#include "platform/RegistryApi.h"
#include "platform/ShellApi.h"
#include "platform/windowing/TrayApi.h"
#include "platform/windowing/WindowHookApi.h"
#include "platform/Win32Errors.h"

static_assert(kErrorSuccess == ERROR_SUCCESS, "");
static_assert(kErrorFileNotFound == ERROR_FILE_NOT_FOUND, "");
static_assert(kErrorPathNotFound == ERROR_PATH_NOT_FOUND, "");
static_assert(kErrorAccessDenied == ERROR_ACCESS_DENIED, "");
static_assert(kErrorInvalidHandle == ERROR_INVALID_HANDLE, "");
static_assert(kErrorNotReady == ERROR_NOT_READY, "");
static_assert(kErrorFileTooLarge == ERROR_FILE_TOO_LARGE, "");
static_assert(kErrorMoreData == ERROR_MORE_DATA, "");

static_assert(kDriveCdrom == DRIVE_CDROM, "");
static_assert(kMaxPath == MAX_PATH, "");
static_assert(kFileAttributeReadOnly == FILE_ATTRIBUTE_READONLY, "");
static_assert(kFileAttributeHidden == FILE_ATTRIBUTE_HIDDEN, "");
static_assert(kFileAttributeSystem == FILE_ATTRIBUTE_SYSTEM, "");
static_assert(kFileAttributeDirectory == FILE_ATTRIBUTE_DIRECTORY, "");
static_assert(kFileAttributeArchive == FILE_ATTRIBUTE_ARCHIVE, "");

static_assert(kVkShift == VK_SHIFT, "");
static_assert(kKeyEventKeyUp == KEYEVENTF_KEYUP, "");

static_assert(kTh32csSnapProcess == TH32CS_SNAPPROCESS, "");
static_assert(kProcessTerminate == PROCESS_TERMINATE, "");
static_assert(kProcessQueryAndRead == (PROCESS_QUERY_INFORMATION | PROCESS_VM_READ), "");
static_assert(kPlatformWin9x == VER_PLATFORM_WIN32_WINDOWS, "");
static_assert(kPlatformNt == VER_PLATFORM_WIN32_NT, "");
static_assert(kSwShowMinimized == SW_SHOWMINIMIZED, "");

static_assert(kRegSz == REG_SZ, "");
static_assert(kRegExpandSz == REG_EXPAND_SZ, "");
static_assert(kRegBinary == REG_BINARY, "");
static_assert(kRegDword == REG_DWORD, "");
static_assert(kRegMultiSz == REG_MULTI_SZ, "");
// HKEY_CLASSES_ROOT and the other roots are pointers, which no constant expression can
// read: ToHkey maps each named root to the system's macro instead, and needs them distinct.
static_assert(kHkeyClassesRoot != kHkeyCurrentUser && kHkeyCurrentUser != kHkeyLocalMachine &&
                  kHkeyClassesRoot != kHkeyLocalMachine,
              "");

static_assert(kCsidlDesktop == CSIDL_DESKTOP, "");
static_assert(kShcneMediaInserted == SHCNE_MEDIAINSERTED, "");
static_assert(kWmShellNotify == WM_USER + 1, "");
static_assert((kShcnrfAllSources & (SHCNRF_InterruptLevel | SHCNRF_ShellLevel)) ==
                  (SHCNRF_InterruptLevel | SHCNRF_ShellLevel),
              "");
static_assert(static_cast<std::uint32_t>(kShcneAllEventsAndInterrupt) ==
                  static_cast<std::uint32_t>(SHCNE_ALLEVENTS | SHCNE_INTERRUPT),
              "");

static_assert(kNimAdd == NIM_ADD, "");
static_assert(kNimModify == NIM_MODIFY, "");
static_assert(kNimDelete == NIM_DELETE, "");
static_assert(kNifMessage == NIF_MESSAGE, "");
static_assert(kNifIcon == NIF_ICON, "");
static_assert(kNifTip == NIF_TIP, "");
#ifndef _WIN64
static_assert(kNotifyIconDataV1Size32 == NOTIFYICONDATAA_V1_SIZE, "");
#endif
static_assert(kWmMouseMove == WM_MOUSEMOVE, "");
static_assert(kWmLButtonUp == WM_LBUTTONUP, "");
static_assert(kWmLButtonDblClk == WM_LBUTTONDBLCLK, "");
static_assert(kWmRButtonDown == WM_RBUTTONDOWN, "");
static_assert(kWmRButtonUp == WM_RBUTTONUP, "");
static_assert(kWmRButtonDblClk == WM_RBUTTONDBLCLK, "");
static_assert(kMkLButton == MK_LBUTTON, "");
static_assert(kMkRButton == MK_RBUTTON, "");

static_assert(kWmNcDestroy == WM_NCDESTROY, "");
