#include "ui/Program.h"

#include "toolkit/Events.h"
#include "toolkit/Shortcuts.h"
#include "toolkit/Toolkit.h"
#include "ui/AboutResources.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowEvents.h"
#include "ui/ShellOpen.h"

#include <windows.h>

#include <optional>

namespace tarnwick {
namespace {

HANDLE ProgramHeap = nullptr;
HINSTANCE ProgramModule = nullptr;
std::optional<PackageCatalogue> TheCatalogue;

constexpr int KeyF1 = VK_F1;

} // namespace

PackageCatalogue& Catalogue() { return *TheCatalogue; }

void RunProgram()
{
    ProgramModule = GetModuleHandleW(nullptr);
    // A growable private heap of the program, released as one block at the end.
    ProgramHeap = HeapCreate(0, 4096, 0);

    tk::Initialise();
    BuildVersionString();
    CreateAboutFonts();
    DecodeLicenseBadge();
    TheCatalogue = BuildPackageCatalogue();
    DecodeAboutPictures();
    OpenMainWindow(0, 0, 520, 400);
    tk::BindShortcut(MainWindow, KeyF1, 0, ShortcutHelp);
    // The zip reader is set up each time an archive is opened (ZipReader::Open).

    for (;;) {
        const int kind = tk::WaitEvent();
        if (kind == tk::MenuEvent && tk::EventMenu() == ShortcutHelp)
            OpenHelpDocument();
        if (HandleMainWindowEvent(kind) == 0)
            break;
    }
    EndProgram();
}

void EndProgram()
{
    tk::Shutdown();
    TheCatalogue.reset();
    if (ProgramHeap) {
        HeapDestroy(ProgramHeap);
        ProgramHeap = nullptr;
    }
    ExitProcess(0);
}

} // namespace tarnwick
