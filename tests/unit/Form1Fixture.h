#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "app/Form1.h"
#include "fakes/FakePlatform.h"

// A Form1 over a fresh fake machine. Tests arrange the machine, then call Load().
class Form1Fixture : public ::testing::Test {
protected:
    static constexpr Handle kRedIcon = 0x1ED;
    static constexpr Handle kGreenIcon = 0x6EE;

    Form1Fixture() {
        form.handle = fake.hooks.AddWindow();
        form1 = std::make_unique<Form1>(fake.platform);
        form1->Imge[0].picture = kRedIcon;
        form1->Imge[1].picture = kGreenIcon;
        form1->Bind(&form);
    }

    // Runs start-up and the first resize, as the program does.
    bool Load() {
        const bool loaded = form1->Form_Load();
        if (loaded) form1->Form_Resize();
        return loaded;
    }

    // The settings value, or nullptr when it is absent.
    const FakeRegistry::Value* Setting(const std::wstring& name) const {
        return fake.registry.Find(kHkeyLocalMachine, L"Software\\Trayhush\\Settings", name);
    }

    FakePlatform fake;
    FakeForm form;
    std::unique_ptr<Form1> form1;
};
