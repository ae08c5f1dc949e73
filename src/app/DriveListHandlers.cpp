#include "app/Form1.h"
#include "drives/DriveList.h"
#include "drives/DriveSelection.h"

void Form1::FillDriveList() {
    List1.Clear();
    for (const std::wstring& entry : CdromDriveEntries(m_platform.files)) List1.AddItem(entry);
}

void Form1::LoadDriveSelection() {
    const std::wstring stored = m_settings.ReadText(L"Drivelist");
    if (stored.empty())
        SelectAllDrives();
    else if (stored == kNoDrivesSelected)
        DeselectAllDrives();
    else
        ApplyDriveSelection();
}

void Form1::SelectAllDrives() {
    for (int i = 0; i < List1.ListCount(); ++i) List1.SetSelected(i, true);
}

void Form1::DeselectAllDrives() {
    for (int i = 0; i < List1.ListCount(); ++i) List1.SetSelected(i, false);
}

void Form1::ApplyDriveSelection() {
    const std::wstring stored = m_settings.ReadText(L"Drivelist");
    for (int i = 0; i < List1.ListCount(); ++i)
        if (DriveSelectedBy(List1.List(i), stored)) List1.SetSelected(i, true);
}

void Form1::SaveDriveSelection() {
    std::vector<bool> selected;
    for (int i = 0; i < List1.ListCount(); ++i) selected.push_back(List1.Selected(i));
    m_settings.WriteText(L"Drivelist", FormatDriveSelection(DriveEntries(), selected));
}

void Form1::List1_Click() { SaveDriveSelection(); }
