#include "app/Form1.h"
#include "suppress/DiscFiles.h"

void Form1::ReportArrival(const std::wstring& sPath) {
    if (sPath.empty()) return;
    // An unchanged text raises no change event, yet every report must be handled.
    if (sPath == Text1.Text())
        Text1_Change();
    else
        Text1.SetText(sPath);
}

void Form1::Text1_Change() {
    ReleaseShiftKey();
    Timer6.SetEnabled(false);
    if (m_bInCheckClick) return;
    const std::wstring root = Text1.Text();
    if (root.empty()) return;
    if (Check[1].Value() == 0) return;
    FindArrivalDrive();
    if (!m_bDriveListed) return;
    if (!List1.Selected(m_iDriveListIndex) && Check[2].Value() == 0) return;

    // Only a DVD-Video disc that also carries an autorun file is handled.
    FileSystemApi& files = m_platform.files;
    if (!DiscHasFile(files, m_platform.text, root + L"VIDEO_TS\\VIDEO_TS.IFO", L"Video_ts.ifo")) return;
    if (!DiscHasFile(files, m_platform.text, root + L"AUTORUN.INF", L"autorun.inf")) return;

    if (Check[3].Value() != 0 && Check[4].Value() != 0)
        HoldShiftKey();
    else
        StartAutorunTermination();
    if (Check1.Value() != 0) RunDefaultDvdCommand();
}

void Form1::FindArrivalDrive() {
    m_bDriveListed = false;
    const std::wstring drive = Text1.Text().substr(0, 2);
    for (int i = 0; i < List1.ListCount(); ++i) {
        if (List1.List(i).substr(0, 2) == drive) {
            m_bDriveListed = true;
            m_iDriveListIndex = static_cast<std::int16_t>(i);
            return;
        }
    }
}
