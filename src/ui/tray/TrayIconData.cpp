#include "ui/tray/TrayIconData.h"

#include <cstring>

#include "platform/win32/Win32Handles.h"

namespace {

// One wide character, or a surrogate pair, as ANSI bytes.
int AnsiBytesOf(const wchar_t* text, int length, char* out, int outSize) {
    return WideCharToMultiByte(CP_ACP, 0, text, length, out, outSize, nullptr, nullptr);
}

}  // namespace

void FillTipBytes(const std::wstring& tipField, char* tip) {
    const std::wstring text = tipField.substr(0, tipField.find(L'\0'));
    std::memset(tip, ' ', kTipBytes);
    int used = 0;
    for (std::size_t i = 0; i < text.size();) {
        const bool pair = IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size();
        const int length = pair ? 2 : 1;
        char bytes[8];
        const int count = AnsiBytesOf(text.data() + i, length, bytes, sizeof bytes);
        if (count <= 0 || used + count > kTipBytes - 1) break;
        std::memcpy(tip + used, bytes, static_cast<std::size_t>(count));
        used += count;
        i += static_cast<std::size_t>(length);
    }
    tip[used] = '\0';
}

NOTIFYICONDATAA ToNotifyIconData(const NotifyIconRecord& record) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = ToHwnd(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = ToHicon(record.hIcon);
    FillTipBytes(record.szTip, data.szTip);
    return data;
}
