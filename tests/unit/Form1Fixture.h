#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "settings/Registry.h"

// A Form1 over a fresh fake machine with optical drives D: and E:, a DVD-Video disc whose
// autorun.inf opens SETUP.EXE in E:, and a registered DVD player. Tests arrange the
// machine further, then call Load().
class Form1Fixture : public ::testing::Test {
protected:
    static constexpr Icon kRedIcon{0x1ED}, kGreenIcon{0x6EE};

    Form1Fixture() {
        fake.files.AddDrive(L'D');
        fake.files.AddDrive(L'E');
        fake.files.InsertDvdVideo(L'E', "[autorun]\r\nopen=SETUP.EXE\r\n");
        StoreText(kHkeyClassesRoot, L"DVD\\shell", L"", L"play");
        StoreText(kHkeyClassesRoot, L"DVD\\shell\\play\\command", L"", L"player.exe /dvd");
        Restart();
    }
    // A new program, with a window of its own, on the same machine, as after a log-off.
    void Restart() {
        form1 = std::make_unique<Form1>(fake.platform);
        form.handle = Window(form.handle.value + 1);
        form1->Imge[0].picture = kRedIcon;
        form1->Imge[1].picture = kGreenIcon;
        form1->Bind(&form);
    }
    // Runs start-up and the first resize, as the program does.
    void Load() {
        ASSERT_TRUE(form1->Form_Load());
        form1->Form_Resize();
    }
    // Values as an earlier run or another program left them.
    void Store(const std::wstring& name, std::int32_t number, RegistryKey root = kHkeyLocalMachine) {
        Registry::WriteNumberValue(fake.registry, root, kSettingsKey, name, number);
    }
    void StoreText(RegistryKey root, const std::wstring& key, const std::wstring& name, const std::wstring& text) {
        Registry::WriteTextValue(fake.registry, root, key, name, text);
    }
    // A stored setting's number, or nothing when it is absent or of another type.
    std::optional<std::int32_t> Number(const std::wstring& name, RegistryKey root = kHkeyLocalMachine) {
        if (!Registry::HasNumberValue(fake.registry, root, kSettingsKey, name)) return std::nullopt;
        return Registry::ReadNumberValue(fake.registry, root, kSettingsKey, name, 0);
    }
    bool TerminationRunning() const { return form1->Timer1.Enabled(); }
    // Detection method one: the window's procedure hooked and the shell's notifications asked for.
    bool MethodOneRuns() {
        return fake.hooks.GetPropW(form.handle, L"OldWndProc") != 0 && fake.shell.registrations == 1;
    }

    FakePlatform fake;
    FakeForm form;
    std::unique_ptr<Form1> form1;
};
