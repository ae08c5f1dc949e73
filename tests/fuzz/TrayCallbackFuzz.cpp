// The tray icon's callbacks: any sequence of 32-bit mouse message numbers. Each raises at
// most the one event its decoding names, only the left and right buttons' messages mean
// anything, and a left click counts on release. The same bytes, as UTF-16, are a tip text,
// which the 64-character field must hold cut to 63 characters and up to its first NUL.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fakes/FakeSystem.h"
#include "fakes/FakeUi.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "tray/FrmSystray.h"
#include "tray/TipField.h"
#include "tray/TrayCallback.h"

namespace {

struct Raised {
    TrayEvent event = TrayEvent::None;
    std::int32_t button = 0;
    int count = 0;
};

// The component over fakes, writing down what it raises.
struct Tray {
    Tray() {
        component.SysTrayMouseDown = [this](std::int32_t b) { Record(TrayEvent::MouseDown, b); };
        component.SysTrayMouseUp = [this](std::int32_t b) { Record(TrayEvent::MouseUp, b); };
        component.SysTrayMouseMove = [this] { Record(TrayEvent::MouseMove, 0); };
        component.SysTrayDoubleClick = [this](std::int32_t b) { Record(TrayEvent::DoubleClick, b); };
    }
    void Record(TrayEvent event, std::int32_t button) {
        raised.event = event;
        raised.button = button;
        ++raised.count;
    }

    FakeUi ui;
    FakeSystem system;
    FrmSystray component{ui, system};
    Raised raised;
};

void CheckCallbacks(Tray& tray, FuzzInput input) {
    while (!input.Empty()) {
        const std::uint32_t message = input.Word();
        const TrayCallback decoded = DecodeTrayCallback(message);
        if (message < 0x200 || message > 0x206 || message == 0x201)
            FUZZ_CHECK(decoded.event == TrayEvent::None);
        const bool buttonless = decoded.event == TrayEvent::None || decoded.event == TrayEvent::MouseMove;
        FUZZ_CHECK(buttonless ? decoded.button == 0 : decoded.button == 1 || decoded.button == 2);
        FUZZ_CHECK(decoded.event != TrayEvent::MouseUp || decoded.button == 2);

        tray.raised = {};
        tray.component.OnCallback(message);
        FUZZ_CHECK(tray.raised.count == (decoded.event == TrayEvent::None ? 0 : 1));
        FUZZ_CHECK(tray.raised.event == decoded.event && tray.raised.button == decoded.button);
    }
}

void CheckTip(Tray& tray, const std::wstring& tip) {
    const std::wstring field = MakeTipField(tip);
    const std::size_t kept = std::min(tip.size(), kTipFieldLength - 1);
    FUZZ_CHECK(field.size() == kTipFieldLength);
    FUZZ_CHECK(field.compare(0, kept, tip, 0, kept) == 0 && field[kept] == L'\0');
    FUZZ_CHECK(field.find_first_not_of(L' ', kept + 1) == std::wstring::npos);
    const std::wstring shown = tip.substr(0, std::min(kept, tip.find(L'\0')));
    FUZZ_CHECK(TipFieldText(field) == shown);

    // Only a change of the shown text reaches the shell, once.
    const std::wstring before = tray.component.ToolTip();
    const std::size_t calls = tray.ui.tray.calls.size();
    const std::size_t expected = calls + (shown == before ? 0 : 1);
    tray.component.SetToolTip(tip);
    FUZZ_CHECK(tray.component.ToolTip() == shown);
    FUZZ_CHECK(tray.component.IconRecord().szTip.size() == kTipFieldLength);
    FUZZ_CHECK(tray.ui.tray.calls.size() == expected);
    tray.component.SetToolTip(tip);
    FUZZ_CHECK(tray.ui.tray.calls.size() == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Tray tray;
    CheckCallbacks(tray, FuzzInput(data, size));

    std::wstring tip;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        tip.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
    CheckTip(tray, tip);
    return 0;
}
