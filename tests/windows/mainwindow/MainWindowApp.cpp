// The main window under test: starts the toolkit and opens MainWindow as the program's start-up does,
// binds F1 again to ShortcutHelp, then runs an event loop that writes every event to the log file named
// on the command line. Two extra shortcuts serve the driver: F5 makes the program set the fields' text
// and the check boxes' states itself, F6 only marks a point in the log.
//
// Log lines (UTF-8):
//   handle <name> <hex>            once per global
//   font <name> <hex>              the font each control answers WM_GETFONT with
//   guifont <hex>                  the stock DEFAULT_GUI_FONT
//   cursor <hex> arrow <hex>       MainWindow's class cursor and the system arrow
//   menu <title index> <text>      the menu bar as Win32 reports it, then
//   item <title index> <index> <id> <type> <state> <text>
//                                  each item (text with the tab written as \t); then "ready"
//   event <kind> window=<name> control=<name> menu=<id> type=<code>
//   changed                        after the F5 changes
//   close alive=<0|1>              on the first CloseWindowEvent, then Shutdown runs
//   shutdown alive=<0|1>           after Shutdown, before the process ends with code 0
#include "toolkit/CheckBox.h"
#include "toolkit/Control.h"
#include "toolkit/Events.h"
#include "toolkit/Shortcuts.h"
#include "toolkit/Toolkit.h"
#include "ui/MainWindow.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using namespace tarnwick;

namespace {

constexpr int ProgramChangesId = 9001;
constexpr int MarkerId = 9002;

std::FILE* logFile = nullptr;

std::vector<std::pair<const char*, HWND*>> Globals() {
    return {
        {"MainWindow", &MainWindow},
        {"DosboxPathField", &DosboxPathField},
        {"DosboxBrowseButton", &DosboxBrowseButton},
        {"DestinationField", &DestinationField},
        {"DestinationBrowseButton", &DestinationBrowseButton},
        {"DosboxFrame", &DosboxFrame},
        {"DestinationFrame", &DestinationFrame},
        {"NextButton", &NextButton},
        {"QuitButton", &QuitButton},
        {"DosboxPathLabel", &DosboxPathLabel},
        {"DestinationLabel", &DestinationLabel},
        {"InstallationLabel", &InstallationLabel},
        {"OptionsLabel", &OptionsLabel},
        {"PackagePanel", &PackagePanel},
        {"Qb45CheckBox", &Qb45CheckBox},
        {"QbxCheckBox", &QbxCheckBox},
        {"VbdosCheckBox", &VbdosCheckBox},
        {"Qb11CheckBox", &Qb11CheckBox},
        {"OptionPanel", &OptionPanel},
        {"ShutDownCheckBox", &ShutDownCheckBox},
        {"FullscreenCheckBox", &FullscreenCheckBox},
        {"ExamplesCheckBox", &ExamplesCheckBox},
    };
}

std::string NameOf(HWND handle) {
    if (!handle) {
        return "-";
    }
    for (const auto& global : Globals()) {
        if (*global.second == handle) {
            return global.first;
        }
    }
    char text[32];
    std::snprintf(text, sizeof text, "%p", static_cast<void*>(handle));
    return text;
}

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
    if (size > 1) {
        WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    }
    std::string escaped;
    for (char c : result) {
        escaped += c == '\t' ? std::string("\\t") : std::string(1, c);
    }
    return escaped;
}

std::string Hex(const void* value) {
    char text[32];
    std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(value)));
    return text;
}

void Log(const std::string& line);

// What Win32 reports of the window from inside the process: menus and class data are not readable
// from another process under every Windows implementation.
void LogWin32State() {
    for (const auto& global : Globals()) {
        if (*global.second != MainWindow) {
            Log(std::string("font ") + global.first + " " +
                Hex(reinterpret_cast<void*>(SendMessageW(*global.second, WM_GETFONT, 0, 0))));
        }
    }
    Log("guifont " + Hex(GetStockObject(DEFAULT_GUI_FONT)));
    Log("cursor " + Hex(reinterpret_cast<void*>(GetClassLongPtrW(MainWindow, GCLP_HCURSOR))) + " arrow " +
        Hex(LoadCursorW(nullptr, IDC_ARROW)));
    HMENU bar = GetMenu(MainWindow);
    const int titles = bar ? GetMenuItemCount(bar) : 0;
    for (int title = 0; title < titles; ++title) {
        wchar_t text[128] = {};
        GetMenuStringW(bar, static_cast<UINT>(title), text, 128, MF_BYPOSITION);
        Log("menu " + std::to_string(title) + " " + Utf8(text));
        HMENU menu = GetSubMenu(bar, title);
        const int items = menu ? GetMenuItemCount(menu) : 0;
        for (int index = 0; index < items; ++index) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
            info.dwTypeData = text;
            info.cch = 128;
            text[0] = L'\0';
            GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info);
            Log("item " + std::to_string(title) + " " + std::to_string(index) + " " + std::to_string(info.wID) + " " +
                std::to_string(info.fType) + " " + std::to_string(info.fState) + " " + Utf8(text));
        }
    }
}

void Log(const std::string& line) {
    if (logFile) {
        std::fprintf(logFile, "%s\n", line.c_str());
        std::fflush(logFile);
    }
}

void MakeProgramChanges() {
    tk::SetText(DosboxPathField, L"C:\\DOSBox\\DOSBox.exe");
    tk::SetText(DestinationField, L"C:\\BASIC\\");
    for (HWND checkBox : {Qb45CheckBox, QbxCheckBox, VbdosCheckBox, Qb11CheckBox, ShutDownCheckBox,
                          FullscreenCheckBox, ExamplesCheckBox}) {
        tk::SetCheckState(checkBox, 1 - tk::GetCheckState(checkBox));
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments && count > 1) {
        logFile = _wfopen(arguments[1], L"w");
    }
    LocalFree(arguments);

    tk::Initialise();
    OpenMainWindow(0, 0, 520, 400);
    tk::BindShortcut(MainWindow, VK_F1, tk::NoModifier, ShortcutHelp);
    tk::BindShortcut(MainWindow, VK_F5, tk::NoModifier, ProgramChangesId);
    tk::BindShortcut(MainWindow, VK_F6, tk::NoModifier, MarkerId);

    for (const auto& global : Globals()) {
        char line[128];
        std::snprintf(line, sizeof line, "handle %s %llx", global.first,
                      static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(*global.second)));
        Log(line);
    }
    LogWin32State();
    Log("ready");

    for (;;) {
        const int kind = tk::WaitEvent();
        char line[256];
        std::snprintf(line, sizeof line, "event %d window=%s control=%s menu=%d type=%d", kind,
                      NameOf(tk::EventWindow()).c_str(), NameOf(tk::EventControl()).c_str(), tk::EventMenu(),
                      tk::EventType());
        Log(line);
        if (kind == tk::MenuEvent && tk::EventMenu() == ProgramChangesId) {
            MakeProgramChanges();
            Log("changed");
        }
        if (kind == tk::CloseWindowEvent) {
            Log(std::string("close alive=") + (IsWindow(MainWindow) ? "1" : "0"));
            tk::Shutdown();
            Log(std::string("shutdown alive=") + (IsWindow(MainWindow) ? "1" : "0"));
            if (logFile) {
                std::fclose(logFile);
            }
            ExitProcess(0);
        }
    }
}
