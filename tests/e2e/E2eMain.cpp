// The end-to-end run: every scenario against the real Trayhush.exe under Wine.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

// Wine closes its desktop a few seconds after the last window of a session goes, and the
// next program then waits for a new one, and the Shift key state is reset with it. A
// window of our own keeps one desktop for the whole run.
class KeepDesktop : public ::testing::Environment {
public:
    void SetUp() override {
        window_ = CreateWindowExW(0, L"STATIC", L"th_e2e", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    }
    void TearDown() override {
        if (window_) DestroyWindow(window_);
    }

private:
    HWND window_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    // A missing disc or file must fail a call, not open a dialog nobody can answer.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new KeepDesktop);
    return RUN_ALL_TESTS();
}
