#include <gtest/gtest.h>

#include <string>

#include "Form1Fixture.h"

namespace {

// D: and E: are watched optical drives; the stories insert discs and start programs.
class DiscProgramTest : public Form1Fixture {
protected:
    DiscProgramTest() {
        fake.files.AddCdrom(L'D');
        fake.files.AddCdrom(L'E');
        form1->FillDriveList();
        form1->SelectAllDrives();
        form1->Check[3].SetValue(0);
        form1->Check[4].SetValue(0);
    }
    void TearDown() override { EXPECT_EQ(fake.processes.OpenHandles(), 0) << "a handle was left open"; }

    bool Running(std::uint32_t id) const { return fake.processes.Find(id)->running; }
};

}  // namespace

TEST_F(DiscProgramTest, TheWindowGuardsTheDiscThatOpenedItWhateverIsReportedLater) {
    fake.files.InsertDvdVideo(L'D', "[autorun]\r\nopen=SETUP.EXE\r\n");
    form1->ReportArrival(L"D:\\");
    fake.files.AddFile(L'E', L"README.TXT", "a data disc");
    form1->ReportArrival(L"E:\\");

    fake.processes.Add(7, L"D:\\SETUP.EXE");
    form1->Timer1.Fire();
    EXPECT_FALSE(Running(7));
    EXPECT_EQ(fake.processes.Find(7)->exitCode, 0u);
}

TEST_F(DiscProgramTest, NamesInTheSystemsCodePageMatchInAnyLetterCase) {
    struct Disc {
        std::string autorunInf;  // code page 1252
        const wchar_t* program;
    };
    const Disc discs[] = {
        {"open=d\xE9marrer.exe", L"D:\\D\u00C9MARRER.EXE"},
        {"open=\x8A" "oft.exe", L"D:\\\u0160OFT.EXE"},
        {"OPEN=\x9Aoft.EXE", L"d:\\\u0161OFT.exe"},
    };
    std::uint32_t id = 10;
    for (const Disc& disc : discs) {
        fake.files.InsertDvdVideo(L'D', disc.autorunInf);
        form1->ReportArrival(L"D:\\");
        fake.processes.Add(++id, disc.program);
        form1->Timer1.Fire();
        EXPECT_FALSE(Running(id)) << disc.autorunInf;
    }
}

TEST_F(DiscProgramTest, TheProgramIsEndedWhileTheHandleThatFoundItIsOpen) {
    fake.files.InsertDvdVideo(L'D', "open=SETUP.EXE");
    form1->ReportArrival(L"D:\\");
    fake.processes.Add(7, L"D:\\SETUP.EXE");
    form1->Timer1.Fire();
    EXPECT_EQ(fake.processes.terminatedWhileInspected, std::vector<std::uint32_t>{7});
}

// A 64-bit program seen from the 32-bit build, or one just created: no module list.
TEST_F(DiscProgramTest, AProgramWithoutAReadableModuleListIsKnownByItsImageName) {
    fake.files.InsertDvdVideo(L'D', "open=SETUP.EXE");
    form1->ReportArrival(L"D:\\");
    fake.processes.Add(7, L"D:\\SETUP.EXE").modulesReadable = false;
    form1->Timer1.Fire();
    EXPECT_FALSE(Running(7));
}
