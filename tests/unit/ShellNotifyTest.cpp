#include <algorithm>
#include <string>
#include <vector>

#include "detect/StripAtNull.h"
#include "unit/Form1Fixture.h"

namespace {

const wchar_t kOldWndProc[] = L"OldWndProc";
constexpr Handle kOriginal = FakeWindowHooks::kOriginalProcedure;

class ShellNotifyTest : public Form1Fixture {
protected:
    Handle Window() const { return form.handle; }
    bool Hooked() const { return fake.hooks.HasProp(Window(), kOldWndProc); }

    // A media-inserted notification as the shell sends it, first item the drive.
    std::intptr_t Notify(std::uintptr_t record, std::intptr_t event = 0x20) {
        return fake.hooks.Send(Window(), 0x401, record, event);
    }
    std::uintptr_t DriveRecord(const std::wstring& root) {
        return fake.shell.AddRecord(fake.shell.AddItem(L"DVD (" + root.substr(0, 2) + L")", root));
    }

    // Every report runs the insertion handler, and the handler always begins by releasing Shift.
    int HandlerRuns() const {
        return static_cast<int>(std::count_if(fake.keyboard.events.begin(), fake.keyboard.events.end(),
                                              [](const FakeKeyboard::Event& e) { return e.vk == 0x10 && e.flags == 2; }));
    }
};

// Switching method one on and off.

TEST_F(ShellNotifyTest, SubclassitHooksTheWindowAndWatchesTheWholeNamespace) {
    form1->Timer7.SetEnabled(true);
    form1->subclassit();

    EXPECT_FALSE(form1->Timer7.Enabled()) << "polling stops";
    EXPECT_FALSE(form1->Check[4].Enabled());
    EXPECT_EQ(form1->Check[4].Value(), 1) << "greyed, not unchecked";
    EXPECT_EQ(fake.hooks.GetPropW(Window(), kOldWndProc), kOriginal);
    EXPECT_NE(fake.hooks.Procedure(Window()), kOriginal);

    ASSERT_EQ(fake.shell.registrations.size(), 1u);
    const auto& [id, reg] = *fake.shell.registrations.begin();
    EXPECT_EQ(form1->m_hShellNotify, id);
    EXPECT_EQ(reg.window, Window());
    EXPECT_EQ(reg.sources, 0xFF);
    EXPECT_EQ(static_cast<std::uint32_t>(reg.events), 0xFFFFFFFFu);
    EXPECT_EQ(reg.message, 0x401u);
    EXPECT_EQ(reg.count, 1);
    EXPECT_EQ(reg.entry.recursive, -1);
    ASSERT_EQ(fake.shell.allocated.size(), 1u) << "the desktop item";
    EXPECT_EQ(reg.entry.pidl, fake.shell.allocated[0]);
    EXPECT_EQ(form1->m_pidlDesktop, fake.shell.allocated[0]);
}

TEST_F(ShellNotifyTest, SubclassitTwiceRegistersOnce) {
    form1->subclassit();
    const Handle hook = fake.hooks.Procedure(Window());
    form1->subclassit();

    EXPECT_EQ(fake.shell.registerCalls, 1);
    EXPECT_EQ(fake.shell.allocated.size(), 1u);
    EXPECT_EQ(fake.hooks.Procedure(Window()), hook);
    EXPECT_EQ(fake.hooks.GetPropW(Window(), kOldWndProc), kOriginal) << "never its own previous procedure";
    EXPECT_FALSE(form1->HookWindowProc(Window()));
    EXPECT_FALSE(form1->RegisterShellNotify(Window()));
}

TEST_F(ShellNotifyTest, UnsubclassitRestoresTheWindowAndFreesTheDesktopItemOnce) {
    form1->subclassit();
    const Handle desktop = form1->m_pidlDesktop;
    form1->Timer1.SetEnabled(true);  // a termination in progress

    form1->unsubclassit();
    form1->unsubclassit();

    EXPECT_TRUE(form1->Timer7.Enabled());
    EXPECT_FALSE(form1->Timer1.Enabled()) << "switching cancels the termination window";
    EXPECT_TRUE(form1->Check[4].Enabled());
    EXPECT_TRUE(fake.shell.registrations.empty());
    EXPECT_EQ(fake.shell.freed, std::vector<Handle>{desktop});
    EXPECT_EQ(form1->m_hShellNotify, 0u);
    EXPECT_EQ(form1->m_pidlDesktop, 0u);
    EXPECT_EQ(fake.hooks.Procedure(Window()), kOriginal);
    EXPECT_FALSE(Hooked());
}

TEST_F(ShellNotifyTest, UnsubclassitAlwaysStartsPollingEvenWhenMethodOneWasNeverOn) {
    form1->Check[4].SetEnabled(false);
    form1->unsubclassit();
    EXPECT_TRUE(form1->Timer7.Enabled());
    EXPECT_TRUE(form1->Check[4].Enabled());
    EXPECT_TRUE(fake.shell.freed.empty());
    EXPECT_EQ(fake.hooks.Procedure(Window()), kOriginal);
}

TEST_F(ShellNotifyTest, EverySwitchMakesAFreshRegistrationWithTheSameProcedure) {
    form1->subclassit();
    const Handle hook = fake.hooks.Procedure(Window());
    form1->unsubclassit();
    form1->subclassit();

    EXPECT_EQ(fake.hooks.Procedure(Window()), hook);
    EXPECT_EQ(fake.hooks.proceduresMade, 1);
    EXPECT_EQ(fake.shell.registrations.size(), 1u);
    EXPECT_EQ(fake.shell.allocated.size(), 2u);
    EXPECT_EQ(fake.shell.freed, std::vector<Handle>{fake.shell.allocated[0]});
    EXPECT_EQ(form1->m_pidlDesktop, fake.shell.allocated[1]);
}

// What the system may refuse.

TEST_F(ShellNotifyTest, ARefusedHookRegistersNothingAndPollingCanStillBeSwitchedOn) {
    fake.hooks.refuseSetProcedure = true;
    form1->Check[3].UserClick();  // to method one

    EXPECT_EQ(fake.shell.registerCalls, 0);
    EXPECT_TRUE(fake.shell.allocated.empty());
    EXPECT_FALSE(Hooked());
    EXPECT_FALSE(form1->Timer7.Enabled());
    EXPECT_FALSE(form1->Check[4].Enabled());

    form1->Check[3].UserClick();  // back to polling
    EXPECT_TRUE(form1->Timer7.Enabled());
    EXPECT_TRUE(form1->Check[4].Enabled());
    EXPECT_TRUE(fake.shell.freed.empty());
}

TEST_F(ShellNotifyTest, ARefusedPropertyPutsThePreviousProcedureBack) {
    fake.hooks.refuseSetProp = true;
    EXPECT_FALSE(form1->HookWindowProc(Window()));
    EXPECT_EQ(fake.hooks.Procedure(Window()), kOriginal);
    form1->subclassit();
    EXPECT_EQ(fake.shell.registerCalls, 0);
}

TEST_F(ShellNotifyTest, AWindowThatAlreadyCarriesThePropertyIsLeftAlone) {
    fake.hooks.SetPropW(Window(), kOldWndProc, 0x1234);
    form1->subclassit();
    EXPECT_EQ(fake.hooks.Procedure(Window()), kOriginal);
    EXPECT_EQ(fake.shell.registerCalls, 0);
}

TEST_F(ShellNotifyTest, WithoutADesktopItemNothingIsRegistered) {
    fake.shell.folderFails = true;
    form1->subclassit();
    EXPECT_EQ(fake.shell.registerCalls, 0);
    EXPECT_EQ(form1->m_hShellNotify, 0u);
    EXPECT_EQ(form1->m_pidlDesktop, 0u);
    EXPECT_TRUE(Hooked()) << "the hook itself succeeded";
    form1->unsubclassit();
    EXPECT_FALSE(Hooked());
    EXPECT_TRUE(fake.shell.freed.empty());
}

TEST_F(ShellNotifyTest, ARefusedRegistrationKeepsNoDesktopItem) {
    fake.shell.registerFails = true;
    form1->subclassit();
    EXPECT_EQ(form1->m_hShellNotify, 0u);
    EXPECT_EQ(form1->m_pidlDesktop, 0u);
    EXPECT_EQ(fake.shell.freed, fake.shell.allocated);
    EXPECT_EQ(fake.shell.allocated.size(), 1u);
}

TEST_F(ShellNotifyTest, ARefusedCancellationKeepsTheRegistrationButStillUnhooks) {
    form1->subclassit();
    const std::uint32_t registration = form1->m_hShellNotify;
    const Handle desktop = form1->m_pidlDesktop;
    fake.shell.deregisterFails = true;

    form1->unsubclassit();
    EXPECT_EQ(form1->m_hShellNotify, registration);
    EXPECT_EQ(form1->m_pidlDesktop, desktop);
    EXPECT_TRUE(fake.shell.freed.empty());
    EXPECT_FALSE(Hooked());
    EXPECT_TRUE(form1->Timer7.Enabled());

    fake.shell.deregisterFails = false;
    form1->unsubclassit();
    EXPECT_TRUE(fake.shell.registrations.empty());
    EXPECT_EQ(fake.shell.freed, std::vector<Handle>{desktop});
}

TEST_F(ShellNotifyTest, AFormObjectGoingAwayCancelsItsRegistration) {
    form1->subclassit();
    form1.reset();
    EXPECT_TRUE(fake.shell.registrations.empty());
    EXPECT_EQ(fake.shell.freed, fake.shell.allocated);
}

// The window procedure.

TEST_F(ShellNotifyTest, EveryMessageReachesThePreviousProcedureWithItsAnswer) {
    form1->subclassit();
    fake.hooks.originalResult = 77;
    EXPECT_EQ(fake.hooks.Send(Window(), 0x000F), 77);
    EXPECT_EQ(Notify(DriveRecord(L"E:\\")), 77);
    EXPECT_EQ(fake.hooks.Send(Window(), 0x0010), 77);
    EXPECT_EQ(fake.hooks.original, (std::vector<std::uint32_t>{0x000F, 0x401, 0x0010}));
}

TEST_F(ShellNotifyTest, TheLastMessageUnhooksAndStillReachesThePreviousProcedure) {
    form1->subclassit();
    fake.hooks.Send(Window(), 0x82);
    EXPECT_EQ(fake.hooks.original, std::vector<std::uint32_t>{0x82});
    EXPECT_FALSE(Hooked());
    EXPECT_EQ(fake.hooks.Procedure(Window()), kOriginal);
    form1->unsubclassit();
    EXPECT_TRUE(fake.shell.registrations.empty());
}

// Notifications.

TEST_F(ShellNotifyTest, AMediaInsertionReportsTheDriveRootOfTheFirstItem) {
    form1->subclassit();
    const Handle f = fake.shell.AddItem(L"Disc (F:)", L"F:\\");
    const Handle e = fake.shell.AddItem(L"Disc (E:)", L"E:\\");
    Notify(fake.shell.AddRecord(f, e));
    EXPECT_EQ(form1->Text1.Text(), L"F:\\");
    EXPECT_EQ(HandlerRuns(), 1);
}

TEST_F(ShellNotifyTest, OnlyTheWholeMediaInsertedCodeCounts) {
    form1->subclassit();
    const std::uintptr_t record = DriveRecord(L"E:\\");
    std::vector<std::intptr_t> others = {0x1, 0x2, 0x8, 0x40, 0x100, 0x21, 0x30, 0,
                                         static_cast<std::int32_t>(0x80000020u), -1};
    if (sizeof(std::intptr_t) == 8) others.push_back(static_cast<std::intptr_t>(0x100000020LL));
    for (std::intptr_t event : others) {
        Notify(record, event);
        EXPECT_EQ(form1->Text1.Text(), L"") << "event " << std::hex << event;
    }
    EXPECT_EQ(HandlerRuns(), 0);
    EXPECT_EQ(fake.hooks.original.size(), others.size()) << "each still reached the window";
}

TEST_F(ShellNotifyTest, AMissingRecordOrItemReportsNothing) {
    form1->subclassit();
    Notify(0);
    Notify(0x123450);  // an address that holds no record
    Notify(fake.shell.AddRecord(0, fake.shell.AddItem(L"Disc (E:)", L"E:\\")));
    form1->NotificationReceipt(0, 0x20);
    EXPECT_EQ(form1->Text1.Text(), L"");
    EXPECT_EQ(HandlerRuns(), 0);
}

TEST_F(ShellNotifyTest, AnItemWithoutDisplayNameOrPathReportsNothing) {
    form1->subclassit();
    Notify(fake.shell.AddRecord(fake.shell.AddItem(L"", L"E:\\")));
    Notify(fake.shell.AddRecord(fake.shell.AddItem(std::wstring(L"\0Disc", 5), L"E:\\")));
    Notify(fake.shell.AddRecord(fake.shell.AddItem(L"Network", L"")));
    EXPECT_EQ(form1->Text1.Text(), L"");
    EXPECT_EQ(HandlerRuns(), 0);
}

TEST_F(ShellNotifyTest, TheSameDriveTwiceRunsTheHandlerTwice) {
    form1->subclassit();
    const std::uintptr_t record = DriveRecord(L"E:\\");
    Notify(record);
    Notify(record);
    EXPECT_EQ(form1->Text1.Text(), L"E:\\");
    EXPECT_EQ(HandlerRuns(), 2);
}

TEST_F(ShellNotifyTest, AFolderInsteadOfADriveSuppressesNothing) {
    fake.files.AddCdrom(L'E');
    ASSERT_TRUE(Load());  // method one, blocking on, all drives
    ASSERT_TRUE(Hooked());
    Notify(fake.shell.AddRecord(fake.shell.AddItem(L"Movies", L"C:\\Movies")));
    EXPECT_FALSE(form1->Timer1.Enabled());
    EXPECT_FALSE(fake.keyboard.shiftDown);
    EXPECT_TRUE(fake.shell.executed.empty());
}

TEST(StripAtNull, KeepsTheTextBeforeTheFirstNul) {
    EXPECT_EQ(StripAtNull(L""), L"");
    EXPECT_EQ(StripAtNull(L"E:\\"), L"E:\\");
    EXPECT_EQ(StripAtNull(std::wstring(L"E:\\\0\0junk", 9)), L"E:\\");
    EXPECT_EQ(StripAtNull(std::wstring(L"\0E:\\", 4)), L"");
    EXPECT_EQ(StripAtNull(std::wstring(L"A\0B\0", 4)), L"A");
}

}  // namespace
