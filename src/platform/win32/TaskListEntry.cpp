#include "platform/win32/TaskListEntry.h"

#include <objbase.h>
#include <shobjidl.h>

namespace {

// Spelled out here so that the program needs no GUID library.
const CLSID kClsidTaskbarList = {0x56FDF344, 0xFD6D, 0x11D0, {0x95, 0x8A, 0x00, 0x60, 0x97, 0xC9, 0xA0, 0x90}};
const IID kIidTaskbarList = {0x56FDF342, 0xFD6D, 0x11D0, {0x95, 0x8A, 0x00, 0x60, 0x97, 0xC9, 0xA0, 0x90}};

struct TaskbarButtons {
    ITaskbarList* list = nullptr;
    TaskbarButtons() {
        void* object = nullptr;
        if (FAILED(CoCreateInstance(kClsidTaskbarList, nullptr, CLSCTX_INPROC_SERVER, kIidTaskbarList,
                                    &object)))
            return;
        list = static_cast<ITaskbarList*>(object);
        if (FAILED(list->HrInit())) {
            list->Release();
            list = nullptr;
        }
    }
    ~TaskbarButtons() {
        if (list) list->Release();
    }
    TaskbarButtons(const TaskbarButtons&) = delete;
    TaskbarButtons& operator=(const TaskbarButtons&) = delete;
};

}  // namespace

void SetTaskListEntry(HWND window, bool shown) {
    TaskbarButtons taskbar;
    if (!taskbar.list) return;
    if (shown)
        taskbar.list->AddTab(window);
    else
        taskbar.list->DeleteTab(window);
}
