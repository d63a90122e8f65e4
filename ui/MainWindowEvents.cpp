#include "ui/MainWindowEvents.h"

#include "engine/InstallationRun.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Control.h"
#include "toolkit/Events.h"
#include "toolkit/Paths.h"
#include "toolkit/Requesters.h"
#include "ui/AboutWindow.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowHost.h"
#include "ui/Program.h"
#include "ui/ShellOpen.h"

#include <commdlg.h>
#include <shlobj.h>

namespace tarnwick {

void UpdatePackageSelection(HWND checkBox)
{
    const struct {
        HWND box;
        const char16_t* key;
    } boxes[] = {
        {Qb11CheckBox, u"qb11_pb.zip"}, {Qb45CheckBox, u"qb45_pb.zip"}, {QbxCheckBox, u"qbx_pb.zip"},
        {VbdosCheckBox, u"vbdos_pb.zip"}, {ExamplesCheckBox, u"examples.zip"},
    };
    for (const auto& entry : boxes) {
        if (entry.box == checkBox) {
            if (InstallPackage* package = Catalogue().FindPackage(entry.key))
                package->selected = tk::GetCheckState(checkBox);
            return;
        }
    }
}

int BrowseForDosbox()
{
    // The folder part of the working directory; the file-name box starts empty.
    const std::wstring start = tk::CurrentDirectory();
    const std::wstring chosen = tk::OpenFileRequester(
        L"Path to DOSBox.exe", start.substr(0, start.find_last_of(L'\\') + 1), L"Executables | *.exe",
        OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY);
    if (!chosen.empty())
        tk::SetText(DosboxPathField, chosen);
    return 0;
}

int BrowseForDestination()
{
    std::wstring start = tk::CurrentDirectory();
    // A drive root keeps its backslash, any other folder loses it.
    if (start.size() > 3 && start.back() == L'\\')
        start.pop_back();
    const std::wstring chosen =
        tk::FolderRequester(L"Select Destination Folder", start, BIF_NEWDIALOGSTYLE | BIF_EDITBOX);
    if (!chosen.empty())
        tk::SetText(DestinationField, chosen);
    return 0;
}

int HandleMainWindowEvent(int kind)
{
    if (kind == tk::CloseWindowEvent)
        return 0;
    if (kind == tk::MenuEvent) {
        switch (tk::EventMenu()) {
        case MenuClose:
            EndProgram();
        case MenuHelp:
            OpenHelpDocument();
            break;
        case MenuAbout:
            ShowAboutWindow();
            break;
        default:
            break; // 1000 from F1 among them: the main loop has handled it
        }
        return 1;
    }
    if (kind == tk::ControlEvent) {
        const HWND control = tk::EventControl();
        if (control == DosboxBrowseButton) {
            BrowseForDosbox();
        } else if (control == DestinationBrowseButton) {
            BrowseForDestination();
        } else if (control == NextButton) {
            MainWindowHost host;
            RunInstallation(Catalogue(), host);
        } else if (control == QuitButton) {
            EndProgram();
        } else if (control == Qb45CheckBox || control == QbxCheckBox || control == VbdosCheckBox ||
                   control == Qb11CheckBox || control == ExamplesCheckBox) {
            UpdatePackageSelection(control);
        }
    }
    return 1;
}

} // namespace tarnwick
