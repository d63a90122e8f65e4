// Drives the main window from outside: starts MainWindowApp.exe (beside this program), reads the
// handles it logs, and checks the window through Win32 calls: title, styles, sizes and placement, every
// control's class, styles, rectangle, parent, text, font and state, the creation order, the colours on
// screen, the menu bar, the tooltips, the tab order with real key presses, and the events that user
// actions and the program's own changes produce (or must not produce).
#include "Checker.h"
#include "RemoteBuffer.h"
#include "WindowReading.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

using checks::Checker;

namespace {

Checker check;

// ---- the program under test and its log ------------------------------------------------------------

struct MenuItemSeen {
    int id = -1;
    unsigned type = 0;
    unsigned state = 0;
    std::string text;
};

struct MenuSeen {
    std::string title;
    std::vector<MenuItemSeen> items;
};

// What the program logs at start-up: handles, and what Win32 tells only inside the process.
struct Program {
    PROCESS_INFORMATION process{};
    std::wstring logPath;
    std::map<std::string, HWND> handles;
    std::map<std::string, unsigned long long> fonts;
    unsigned long long guiFont = 0;
    unsigned long long cursor = 0;
    unsigned long long arrow = 0;
    std::vector<MenuSeen> menus;

    HWND operator[](const std::string& name) const {
        auto entry = handles.find(name);
        return entry == handles.end() ? nullptr : entry->second;
    }
};

Program app;

std::vector<std::string> ReadLog() {
    std::vector<std::string> lines;
    HANDLE file = CreateFileW(app.logPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return lines;
    }
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        content.append(buffer, read);
    }
    CloseHandle(file);
    size_t start = 0;
    for (size_t end; (end = content.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

void Pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// Waits until the log has a line from index `from` on that satisfies the test; returns its index or -1.
int WaitForLine(size_t from, const std::function<bool(const std::string&)>& test, int timeoutMs = 5000) {
    for (int waited = 0;; waited += 50) {
        const auto lines = ReadLog();
        for (size_t index = from; index < lines.size(); ++index) {
            if (test(lines[index])) {
                return static_cast<int>(index);
            }
        }
        if (waited >= timeoutMs) {
            return -1;
        }
        Pause(50);
    }
}

int WaitForExact(size_t from, const std::string& text, int timeoutMs = 5000) {
    return WaitForLine(from, [&](const std::string& line) { return line == text; }, timeoutMs);
}

struct LoggedEvent {
    int kind = 0;
    std::string window;
    std::string control;
    int menu = -1;
    int type = 0;
};

bool ParseEvent(const std::string& line, LoggedEvent& event) {
    char window[128] = {};
    char control[128] = {};
    if (std::sscanf(line.c_str(), "event %d window=%127s control=%127s menu=%d type=%d", &event.kind, window, control,
                    &event.menu, &event.type) != 5) {
        return false;
    }
    event.window = window;
    event.control = control;
    return true;
}

// Events logged in the lines [from, to).
std::vector<LoggedEvent> EventsBetween(size_t from, size_t to) {
    std::vector<LoggedEvent> events;
    const auto lines = ReadLog();
    for (size_t index = from; index < to && index < lines.size(); ++index) {
        LoggedEvent event;
        if (ParseEvent(lines[index], event)) {
            events.push_back(event);
        }
    }
    return events;
}

std::string MenuEventLine(int id) { return "event 13101 window=MainWindow control=- menu=" + std::to_string(id) + " type=0"; }

bool StartProgram(const std::wstring& folder) {
    app.logPath = folder + L"mainwindow-events.log";
    DeleteFileW(app.logPath.c_str());
    const std::wstring exe = folder + L"MainWindowApp.exe";
    std::wstring commandLine = L"\"" + exe + L"\" \"" + app.logPath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &app.process)) {
        std::printf("cannot start %s (error %lu)\n", checks::Utf8(exe).c_str(), GetLastError());
        return false;
    }
    if (WaitForExact(0, "ready", 20000) < 0) {
        std::printf("the program did not get ready\n");
        return false;
    }
    for (const auto& line : ReadLog()) {
        char name[128] = {};
        unsigned long long value = 0;
        unsigned long long other = 0;
        int title = 0;
        int index = 0;
        MenuItemSeen item;
        int used = 0;
        if (std::sscanf(line.c_str(), "handle %127s %llx", name, &value) == 2) {
            app.handles[name] = reinterpret_cast<HWND>(static_cast<UINT_PTR>(value));
        } else if (std::sscanf(line.c_str(), "font %127s %llx", name, &value) == 2) {
            app.fonts[name] = value;
        } else if (std::sscanf(line.c_str(), "guifont %llx", &value) == 1) {
            app.guiFont = value;
        } else if (std::sscanf(line.c_str(), "cursor %llx arrow %llx", &value, &other) == 2) {
            app.cursor = value;
            app.arrow = other;
        } else if (std::sscanf(line.c_str(), "menu %d %n", &title, &used) == 1 && used > 0) {
            app.menus.push_back(MenuSeen{line.substr(static_cast<size_t>(used)), {}});
        } else if (std::sscanf(line.c_str(), "item %d %d %d %u %u %n", &title, &index, &item.id, &item.type, &item.state,
                               &used) == 5 &&
                   !app.menus.empty()) {
            item.text = line.substr(static_cast<size_t>(used));
            app.menus.back().items.push_back(item);
        }
    }
    WaitForInputIdle(app.process.hProcess, 5000);
    return true;
}

// ---- reading windows --------------------------------------------------------------------------------


// The rectangle of a child in its parent's client coordinates.
RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND FocusOfProgram() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(app.process.dwThreadId, &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

std::string NameOf(HWND handle) {
    if (!handle) {
        return "(none)";
    }
    for (const auto& entry : app.handles) {
        if (entry.second == handle) {
            return entry.first;
        }
    }
    return "(other " + checks::Show(static_cast<const void*>(handle)) + ")";
}

// ---- input ------------------------------------------------------------------------------------------

void SendKey(WORD key, bool shift = false) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD virtualKey, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (shift) {
        add(VK_SHIFT, false);
    }
    add(key, false);
    add(key, true);
    if (shift) {
        add(VK_SHIFT, true);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool BringToFront(HWND window) {
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (GetForegroundWindow() == window) {
            return true;
        }
        SetForegroundWindow(window);
        Pause(50);
    }
    return GetForegroundWindow() == window;
}

// Sends a marker shortcut and waits until the program has logged it: every event raised before is then
// in the log. Returns the marker line's index.
int Marker(size_t from) {
    SendKey(VK_F6);
    return WaitForExact(from, MenuEventLine(9002));
}

// ---- the checks -------------------------------------------------------------------------------------

void CheckWindow() {
    check.Group("window");
    HWND window = app["MainWindow"];
    check.Expect(IsWindow(window) != FALSE, "MainWindow is a window");
    check.Equal(TextOf(window), std::wstring(L"Tarnwick"), "title");

    const DWORD style = StyleOf(window);
    const DWORD wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    check.Equal(style & wanted, wanted, "caption, system menu and minimise box");
    check.Equal(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD | WS_POPUP), 0ul,
                "no maximise box, sizing border, child or popup style");
    check.Expect(IsWindowVisible(window) && IsWindowEnabled(window), "shown and enabled");
    // The system adds WS_EX_WINDOWEDGE to every window with a caption; nothing else is asked for.
    check.Equal(ExStyleOf(window) & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), 0ul, "no extended styles");
    check.Expect(GetWindow(window, GW_OWNER) == nullptr, "no owner");
    check.Equal(GetForegroundWindow() == window, true, "activated when opened");

    RECT outer{};
    GetWindowRect(window, &outer);
    RECT noMenu{0, 0, 520, 400};
    AdjustWindowRectEx(&noMenu, wanted, FALSE, 0);
    RECT withMenu{0, 0, 520, 400};
    AdjustWindowRectEx(&withMenu, wanted, TRUE, 0);
    const LONG width = outer.right - outer.left;
    const LONG height = outer.bottom - outer.top;
    check.Equal(width, noMenu.right - noMenu.left, "outer width from a 520 pixel client width");
    check.Equal(height, noMenu.bottom - noMenu.top, "outer height from a 400 pixel client height, menu not counted");

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    check.Equal(outer.left, static_cast<LONG>((screenWidth - std::min<LONG>(screenWidth, width)) / 2), "centred: left");
    check.Equal(outer.top, static_cast<LONG>((screenHeight - std::min<LONG>(screenHeight, height)) / 2), "centred: top");

    RECT client{};
    GetClientRect(window, &client);
    const LONG menuBar = (withMenu.bottom - withMenu.top) - (noMenu.bottom - noMenu.top);
    check.Equal(client.right, 520l, "client width");
    check.Equal(client.bottom, 400 - menuBar, "client height is 400 less the menu bar");
    RECT next = RectInParent(app["NextButton"]);
    RECT quit = RectInParent(app["QuitButton"]);
    check.Expect(next.bottom <= client.bottom && quit.bottom <= client.bottom, "Next and Quit lie fully in the client area");

    check.Expect(app.arrow != 0 && app.cursor == app.arrow, "the window class has the arrow cursor");
}

enum class Kind { Field, PushButton, Frame, Label, Panel, CheckBox };

struct ControlCase {
    const char* name;
    Kind kind;
    const char* parent;
    RECT rect; // left, top, right, bottom in the parent's client area
    const wchar_t* text;
    int checked; // -1: not a check box
};

RECT Box(LONG x, LONG y, LONG w, LONG h) { return RECT{x, y, x + w, y + h}; }

const std::vector<ControlCase>& ControlTable() {
    static const std::vector<ControlCase> table = {
        {"DosboxPathField", Kind::Field, "MainWindow", Box(40, 50, 400, 20), L"", -1},
        {"DosboxBrowseButton", Kind::PushButton, "MainWindow", Box(450, 50, 30, 20), L"...", -1},
        {"DestinationField", Kind::Field, "MainWindow", Box(40, 130, 400, 20), L"", -1},
        {"DestinationBrowseButton", Kind::PushButton, "MainWindow", Box(450, 130, 30, 20), L"...", -1},
        {"DosboxFrame", Kind::Frame, "MainWindow", Box(20, 20, 480, 70), L"", -1},
        {"DestinationFrame", Kind::Frame, "MainWindow", Box(20, 100, 480, 70), L"", -1},
        {"NextButton", Kind::PushButton, "MainWindow", Box(350, 340, 70, 30), L"Next", -1},
        {"QuitButton", Kind::PushButton, "MainWindow", Box(430, 340, 70, 30), L"Quit", -1},
        {"DosboxPathLabel", Kind::Label, "MainWindow", Box(40, 30, 400, 20), L"Path to DOSBox Executable:", -1},
        {"DestinationLabel", Kind::Label, "MainWindow", Box(40, 110, 400, 20), L"Path to BASIC Destination Folder:", -1},
        {"InstallationLabel", Kind::Label, "MainWindow", Box(20, 200, 230, 20), L"Installation:", -1},
        {"OptionsLabel", Kind::Label, "MainWindow", Box(270, 200, 230, 20), L"Options:", -1},
        {"PackagePanel", Kind::Panel, "MainWindow", Box(20, 220, 230, 100), L"", -1},
        {"Qb45CheckBox", Kind::CheckBox, "PackagePanel", Box(10, 30, 200, 20), L"QuickBASIC 4.5", 1},
        {"QbxCheckBox", Kind::CheckBox, "PackagePanel", Box(10, 50, 200, 20), L"QuickBASIC Extended 7.1", 0},
        {"VbdosCheckBox", Kind::CheckBox, "PackagePanel", Box(10, 70, 200, 20), L"Visual Basic for DOS", 0},
        {"Qb11CheckBox", Kind::CheckBox, "PackagePanel", Box(10, 10, 200, 20), L"QBASIC 1.1", 0},
        {"OptionPanel", Kind::Panel, "MainWindow", Box(270, 220, 230, 100), L"", -1},
        {"ShutDownCheckBox", Kind::CheckBox, "OptionPanel", Box(10, 10, 200, 20), L"Shut down DOSBox when exiting", 0},
        {"FullscreenCheckBox", Kind::CheckBox, "OptionPanel", Box(10, 30, 200, 20), L"Fullscreen Mode", 0},
        {"ExamplesCheckBox", Kind::CheckBox, "OptionPanel", Box(10, 70, 200, 20), L"Copy Example Files", 0},
    };
    return table;
}

struct KindRules {
    const wchar_t* className; // null: the toolkit's own class, checked by being none of the system ones
    DWORD typeMask; // the bits that hold the control's type
    DWORD type;
    DWORD required;
    DWORD forbidden;
    DWORD exRequired;
};

KindRules RulesFor(Kind kind) {
    switch (kind) {
    case Kind::Field:
        return {L"Edit", ES_CENTER | ES_RIGHT | ES_MULTILINE | ES_PASSWORD | ES_READONLY, 0,
                WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL, WS_BORDER, WS_EX_CLIENTEDGE};
    case Kind::PushButton:
        return {L"Button", BS_TYPEMASK, BS_PUSHBUTTON, WS_GROUP | WS_TABSTOP, 0, 0};
    case Kind::Frame:
        return {L"Button", BS_TYPEMASK, BS_GROUPBOX, WS_GROUP, WS_TABSTOP, 0};
    case Kind::Label:
        return {L"Static", SS_TYPEMASK, SS_LEFT, SS_NOPREFIX | WS_GROUP, WS_TABSTOP | SS_NOTIFY, 0};
    case Kind::Panel:
        return {nullptr, 0, 0, 0, WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::CheckBox:
        return {L"Button", BS_TYPEMASK, BS_AUTOCHECKBOX, WS_GROUP | WS_TABSTOP, 0, 0};
    }
    return {};
}

void CheckControls() {
    check.Group("controls");
    std::vector<int> ids;
    for (const ControlCase& control : ControlTable()) {
        const std::string name = control.name;
        HWND handle = app[name];
        if (!check.Expect(IsWindow(handle) != FALSE, name + " exists")) {
            continue;
        }
        const KindRules rules = RulesFor(control.kind);
        const std::wstring className = ClassOf(handle);
        if (rules.className) {
            check.Equal(className, std::wstring(rules.className), name + " class");
        } else {
            check.Expect(className != L"Static" && className != L"Button" && className != L"Edit" && !className.empty(),
                         name + " has a window class of its own, not " + checks::Show(className));
        }
        const DWORD style = StyleOf(handle);
        check.Equal(style & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE), name + " is a visible child");
        check.Equal(style & rules.typeMask, rules.type, name + " type bits");
        check.Equal(style & rules.required, rules.required, name + " required styles");
        check.Equal(style & rules.forbidden, 0ul, name + " styles it must not have");
        check.Equal(ExStyleOf(handle) & rules.exRequired, rules.exRequired, name + " extended styles");
        check.Expect(IsWindowEnabled(handle) != FALSE, name + " is enabled");

        check.Equal(NameOf(GetParent(handle)), std::string(control.parent), name + " parent");
        const RECT rect = RectInParent(handle);
        check.Expect(EqualRect(&rect, &control.rect) != FALSE,
                     name + " rectangle: got " + std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
                         std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top));
        if (control.kind != Kind::Panel) {
            check.Equal(TextOf(handle), std::wstring(control.text), name + " text");
            check.Expect(app.guiFont != 0 && app.fonts[name] == app.guiFont, name + " uses the default GUI font");
        }
        if (control.checked >= 0) {
            check.Equal(static_cast<int>(SendMessageW(handle, BM_GETCHECK, 0, 0)), control.checked, name + " check state");
        }
        ids.push_back(GetDlgCtrlID(handle));
    }
    std::sort(ids.begin(), ids.end());
    check.Expect(std::adjacent_find(ids.begin(), ids.end()) == ids.end() && (ids.empty() || ids.front() != 0),
                 "every control has an id of its own");

    // Siblings keep their creation order in the z-order (each new child goes to the bottom), so the
    // z-order tells in which order the controls were made.
    check.Group("creation order");
    for (const char* parent : {"MainWindow", "PackagePanel", "OptionPanel"}) {
        std::vector<std::string> expected;
        for (const ControlCase& control : ControlTable()) {
            if (std::string(control.parent) == parent) {
                expected.push_back(control.name);
            }
        }
        std::vector<std::string> actual;
        for (HWND child = GetWindow(app[parent], GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            actual.push_back(NameOf(child));
        }
        std::string shown;
        for (const auto& name : actual) {
            shown += name + " ";
        }
        check.Expect(actual == expected, std::string("children of ") + parent + " in creation order: got " + shown);
    }
}

// The menu bar as the program read it through Win32 (menus cannot be read from another process under
// Wine), and the ids that choosing items with the keyboard raises (see CheckUserEvents).
void CheckMenu() {
    check.Group("menu");
    struct Title {
        const char* text;
        std::vector<std::pair<int, const char*>> items;
    };
    const std::vector<Title> expected = {
        {"File", {{0, "Close"}}},
        {"?", {{1, "Help\\tF1"}, {2, "About"}}},
    };
    if (!check.Equal(app.menus.size(), expected.size(), "menus on the bar")) {
        return;
    }
    for (size_t title = 0; title < expected.size(); ++title) {
        const std::string where = "menu " + std::to_string(title);
        const MenuSeen& menu = app.menus[title];
        check.Equal(menu.title, std::string(expected[title].text), where + " title");
        const auto& items = expected[title].items;
        if (!check.Equal(menu.items.size(), items.size(), where + " item count")) {
            continue;
        }
        for (size_t index = 0; index < items.size(); ++index) {
            const std::string item = where + " item " + std::to_string(index);
            check.Equal(menu.items[index].id, items[index].first, item + " id");
            check.Equal(menu.items[index].text, std::string(items[index].second), item + " text");
            check.Equal(menu.items[index].type, static_cast<unsigned>(MFT_STRING), item + " is a plain string item");
            check.Equal(menu.items[index].state & (MFS_DISABLED | MFS_CHECKED), 0u, item + " is enabled and unchecked");
        }
    }
}

// ---- colours on screen ------------------------------------------------------------------------------

COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::string ShowColour(COLORREF colour) {
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%d,%d,%d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

void CheckColours() {
    check.Group("colours");
    HWND window = app["MainWindow"];
    BringToFront(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    Pause(500);
    const COLORREF grey = RGB(225, 225, 225);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF field = GetSysColor(COLOR_WINDOW);
    check.Expect(face != grey, "the system button face differs from the window grey, so the colours can be told apart");
    struct Spot {
        const char* what;
        const char* control; // the point is in this control's client area
        int x;
        int y;
        COLORREF colour;
    };
    const std::vector<Spot> spots = {
        {"window background", "MainWindow", 10, 190, grey},
        {"window background between the panels", "MainWindow", 260, 300, grey},
        {"DosboxPathLabel background beyond its text", "DosboxPathLabel", 390, 10, grey},
        {"DestinationLabel background beyond its text", "DestinationLabel", 390, 10, grey},
        {"InstallationLabel background beyond its text", "InstallationLabel", 220, 10, grey},
        {"OptionsLabel background beyond its text", "OptionsLabel", 220, 10, grey},
        {"PackagePanel background", "PackagePanel", 220, 5, face},
        {"OptionPanel background in the empty row", "OptionPanel", 100, 60, face},
        {"Qb45CheckBox background beyond its text", "Qb45CheckBox", 195, 10, face},
        {"ExamplesCheckBox background beyond its text", "ExamplesCheckBox", 195, 10, face},
        {"DosboxPathField inside", "DosboxPathField", 390, 8, field},
    };
    for (const Spot& spot : spots) {
        const COLORREF colour = ScreenPixel(app[spot.control], spot.x, spot.y);
        check.Expect(colour == spot.colour, std::string(spot.what) + ": got " + ShowColour(colour) + ", expected " +
                                                ShowColour(spot.colour));
    }
}

// ---- tooltips ---------------------------------------------------------------------------------------

struct Tooltips {
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTooltip(HWND window, LPARAM list) {
    if (ClassOf(window) == TOOLTIPS_CLASSW) {
        reinterpret_cast<Tooltips*>(list)->windows.push_back(window);
    }
    return TRUE;
}

// Asks the tooltip control for a tool (TTM_ENUMTOOLSW with an index, or TTM_GETCURRENTTOOLW).
bool ReadTool(HWND tooltip, UINT message, WPARAM index, TTTOOLINFOW& tool, std::wstring& text) {
    constexpr size_t textOffset = 512;
    RemoteBuffer remote(app.process.hProcess, 4096);
    if (!remote.Address()) {
        return false;
    }
    tool = TTTOOLINFOW{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.lpszText = reinterpret_cast<wchar_t*>(remote.Address() + textOffset);
    wchar_t empty[256] = {};
    remote.Write(textOffset, empty, sizeof empty);
    remote.Write(0, &tool, sizeof tool);
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(tooltip, message, index, reinterpret_cast<LPARAM>(remote.Address()), SMTO_ABORTIFHUNG, 3000,
                             &result) ||
        !result) {
        return false;
    }
    wchar_t buffer[256] = {};
    remote.Read(0, &tool, sizeof tool);
    remote.Read(textOffset, buffer, sizeof buffer - sizeof(wchar_t));
    text = buffer;
    return true;
}

void CheckTooltips() {
    check.Group("tooltips");
    Tooltips found;
    EnumThreadWindows(app.process.dwThreadId, CollectTooltip, reinterpret_cast<LPARAM>(&found));
    if (!check.Equal(found.windows.size(), size_t{1}, "tooltip controls of the program")) {
        return;
    }
    HWND tooltip = found.windows.front();
    check.Equal(NameOf(GetWindow(tooltip, GW_OWNER)), std::string("MainWindow"), "the tooltip control belongs to MainWindow");
    const DWORD style = StyleOf(tooltip);
    check.Equal(style & (WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP), static_cast<DWORD>(WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP),
                "popup, no prefix, always tip");
    check.Equal(ExStyleOf(tooltip) & WS_EX_TOPMOST, static_cast<DWORD>(WS_EX_TOPMOST), "topmost");

    const int count = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    check.Equal(count, 2, "tools registered");
    std::vector<std::string> tools;
    for (int index = 0; index < count; ++index) {
        TTTOOLINFOW tool;
        std::wstring text;
        if (!check.Expect(ReadTool(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(index), tool, text),
                          "tool " + std::to_string(index) + " can be read")) {
            continue;
        }
        const std::string name = NameOf(reinterpret_cast<HWND>(tool.uId));
        tools.push_back(name);
        check.Equal(text, std::wstring(L"Browse"), name + " tooltip text");
        check.Equal(tool.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS),
                    name + " registered by handle and subclassed");
    }
    std::sort(tools.begin(), tools.end());
    check.Expect(tools == std::vector<std::string>{"DestinationBrowseButton", "DosboxBrowseButton"},
                 "the tools are the two browse buttons");

    // Resting the pointer on a browse button shows its tip.
    for (const char* button : {"DosboxBrowseButton", "DestinationBrowseButton"}) {
        SetCursorPos(0, 0);
        Pause(300);
        RECT rect{};
        GetWindowRect(app[button], &rect);
        SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        Pause(100);
        SetCursorPos((rect.left + rect.right) / 2 + 1, (rect.top + rect.bottom) / 2);
        bool shown = false;
        for (int waited = 0; waited < 4000 && !shown; waited += 100) {
            Pause(100);
            shown = IsWindowVisible(tooltip) != FALSE;
        }
        check.Expect(shown, std::string("the tooltip shows over ") + button);
        TTTOOLINFOW tool;
        std::wstring text;
        if (shown && ReadTool(tooltip, TTM_GETCURRENTTOOLW, 0, tool, text)) {
            check.Equal(NameOf(reinterpret_cast<HWND>(tool.uId)), std::string(button), "the tip shown is the button's");
            check.Equal(text, std::wstring(L"Browse"), std::string("text shown over ") + button);
        }
    }
    SetCursorPos(0, 0);
    Pause(300);
}

// ---- keyboard and events ----------------------------------------------------------------------------

const std::vector<std::string>& TabOrder() {
    static const std::vector<std::string> order = {
        "DosboxPathField", "DosboxBrowseButton", "DestinationField", "DestinationBrowseButton", "NextButton",
        "QuitButton", "Qb45CheckBox", "QbxCheckBox", "VbdosCheckBox", "Qb11CheckBox", "ShutDownCheckBox",
        "FullscreenCheckBox", "ExamplesCheckBox",
    };
    return order;
}

// Presses Tab (or Shift+Tab) and waits until the focus has left `from`.
HWND TabFrom(HWND from, bool backward) {
    SendKey(VK_TAB, backward);
    for (int waited = 0; waited < 3000; waited += 20) {
        HWND focus = FocusOfProgram();
        if (focus != from) {
            return focus;
        }
        Pause(20);
    }
    return FocusOfProgram();
}

void CheckTabOrder() {
    check.Group("tab order");
    HWND window = app["MainWindow"];
    if (!check.Expect(BringToFront(window), "MainWindow can be brought to the front")) {
        return;
    }
    const size_t logStart = ReadLog().size();
    const auto& order = TabOrder();
    HWND focus = FocusOfProgram();
    check.Expect(focus == window || focus == nullptr, "no control has the focus at first, got " + NameOf(focus));

    // Forward through every tab stop, then around to the first again.
    for (size_t step = 0; step <= order.size(); ++step) {
        const std::string& expected = order[step % order.size()];
        HWND next = TabFrom(focus, false);
        check.Equal(NameOf(next), expected, "Tab from " + NameOf(focus));
        focus = next;
    }
    // A text field reached with Tab has its text selected, as in dialogs; here it is empty, so only the
    // caret is there. Backward from the first control wraps around to the last, then goes on down.
    for (size_t step = 0; step <= order.size(); ++step) {
        const std::string& expected = order[(order.size() * 2 - 1 - step) % order.size()];
        HWND next = TabFrom(focus, true);
        check.Equal(NameOf(next), expected, "Shift+Tab from " + NameOf(focus));
        focus = next;
    }

    // Tab raises no menu event; the only control events are the fields' own focus notifications.
    const int marker = Marker(logStart);
    check.Expect(marker >= 0, "the marker after the tab presses arrives");
    for (const LoggedEvent& event : EventsBetween(logStart, static_cast<size_t>(std::max(marker, 0)))) {
        const bool fieldFocus = event.kind == 13100 && (event.control == "DosboxPathField" || event.control == "DestinationField") &&
                                (event.type == EN_SETFOCUS || event.type == EN_KILLFOCUS);
        check.Expect(fieldFocus, "Tab raised only field focus notifications, got kind " + std::to_string(event.kind) +
                                     " from " + event.control + " type " + std::to_string(event.type));
    }
}

void CheckShortcuts() {
    check.Group("shortcuts");
    BringToFront(app["MainWindow"]);
    size_t start = ReadLog().size();
    SendKey(VK_F1);
    const int marker = Marker(start);
    check.Expect(marker >= 0, "the marker after F1 arrives");
    int help = 0;
    int other = 0;
    for (const LoggedEvent& event : EventsBetween(start, static_cast<size_t>(std::max(marker, 0)))) {
        if (event.kind == 13101 && event.menu == 1000 && event.window == "MainWindow") {
            ++help;
        } else {
            ++other;
        }
    }
    check.Equal(help, 1, "F1 raises one menu event with the id 1000 bound last");
    check.Equal(other, 0, "F1 raises nothing else (no event with the first binding's id 1)");
}

void CheckProgramChangesAreQuiet() {
    check.Group("program changes");
    BringToFront(app["MainWindow"]);
    const size_t start = ReadLog().size();
    SendKey(VK_F5);
    const int changed = WaitForExact(start, "changed");
    if (!check.Expect(changed >= 0, "the program made its changes")) {
        return;
    }
    const int marker = Marker(static_cast<size_t>(changed));
    check.Expect(marker >= 0, "the marker after the changes arrives");
    const auto events = EventsBetween(static_cast<size_t>(changed), static_cast<size_t>(std::max(marker, changed)));
    check.Equal(events.size(), size_t{0}, "setting text and check states from the program raises no event");
    for (const LoggedEvent& event : events) {
        check.Expect(false, "unexpected event from " + event.control + " type " + std::to_string(event.type));
    }
    // The changes did happen.
    check.Equal(TextOf(app["DosboxPathField"]), std::wstring(L"C:\\DOSBox\\DOSBox.exe"), "DosboxPathField text set");
    check.Equal(TextOf(app["DestinationField"]), std::wstring(L"C:\\BASIC\\"), "DestinationField text set");
    check.Equal(static_cast<int>(SendMessageW(app["Qb45CheckBox"], BM_GETCHECK, 0, 0)), 0, "Qb45CheckBox cleared");
    check.Equal(static_cast<int>(SendMessageW(app["ExamplesCheckBox"], BM_GETCHECK, 0, 0)), 1, "ExamplesCheckBox ticked");
}

// User actions that must reach the program as events: what the quiet program changes must not hide.
void CheckUserEvents() {
    check.Group("user events");
    HWND window = app["MainWindow"];
    BringToFront(window);
    struct Case {
        const char* what;
        std::function<void()> act;
        int kind;
        const char* control;
        int menu;
        int type;
    };
    const std::vector<Case> cases = {
        {"clicking a check box in a panel", [] { PostMessageW(app["QbxCheckBox"], BM_CLICK, 0, 0); }, 13100, "QbxCheckBox", -1, BN_CLICKED},
        {"clicking a push button", [] { PostMessageW(app["NextButton"], BM_CLICK, 0, 0); }, 13100, "NextButton", -1, BN_CLICKED},
        {"typing into a field", [] { PostMessageW(app["DestinationField"], WM_CHAR, L'x', 1); }, 13100, "DestinationField", -1, EN_CHANGE},
        {"File > Close", [] { PostMessageW(app["MainWindow"], WM_COMMAND, MAKEWPARAM(0, 0), 0); }, 13101, "-", 0, 0},
        {"? > About", [] { PostMessageW(app["MainWindow"], WM_COMMAND, MAKEWPARAM(2, 0), 0); }, 13101, "-", 2, 0},
    };
    for (const Case& c : cases) {
        const size_t start = ReadLog().size();
        c.act();
        const int marker = Marker(start);
        bool found = false;
        for (const LoggedEvent& event : EventsBetween(start, static_cast<size_t>(std::max(marker, 0)))) {
            found = found || (event.kind == c.kind && event.control == c.control && event.menu == c.menu &&
                              event.type == c.type && event.window == "MainWindow");
        }
        check.Expect(found, std::string(c.what) + " raises its event");
    }
    check.Equal(static_cast<int>(SendMessageW(app["QbxCheckBox"], BM_GETCHECK, 0, 0)), 0,
                "the clicked check box changed its own state (ticked by F5, cleared by the click)");

    // Choosing from the menu bar with the keyboard: F10 opens the bar, the arrows walk it.
    struct MenuCase {
        const char* what;
        std::vector<WORD> keys;
        int id;
    };
    const std::vector<MenuCase> menuCases = {
        {"keyboard: File > Close", {VK_F10, VK_DOWN, VK_RETURN}, 0},
        {"keyboard: ? > Help", {VK_F10, VK_RIGHT, VK_DOWN, VK_RETURN}, 1},
        {"keyboard: ? > About", {VK_F10, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN}, 2},
    };
    for (const MenuCase& c : menuCases) {
        BringToFront(window);
        const size_t start = ReadLog().size();
        for (WORD key : c.keys) {
            SendKey(key);
            Pause(250);
        }
        const int found = WaitForExact(start, MenuEventLine(c.id), 3000);
        check.Expect(found >= 0, std::string(c.what) + " raises a menu event with id " + std::to_string(c.id));
        if (found < 0) {
            SendKey(VK_ESCAPE);
            SendKey(VK_ESCAPE);
            SendKey(VK_ESCAPE);
            Pause(300);
        }
    }
}

void CheckClose(DWORD& exitCode) {
    check.Group("close");
    const size_t start = ReadLog().size();
    PostMessageW(app["MainWindow"], WM_CLOSE, 0, 0);
    const int closed = WaitForLine(start, [](const std::string& line) { return line.rfind("close ", 0) == 0; });
    if (check.Expect(closed >= 0, "WM_CLOSE raises a close event")) {
        const auto lines = ReadLog();
        LoggedEvent event;
        check.Expect(closed > 0 && ParseEvent(lines[static_cast<size_t>(closed) - 1], event) && event.kind == 13116 &&
                         event.window == "MainWindow",
                     "the close event names MainWindow");
        check.Equal(lines[static_cast<size_t>(closed)], std::string("close alive=1"), "the close request does not destroy the window");
    }
    check.Expect(WaitForExact(start, "shutdown alive=0") >= 0, "Shutdown destroys the window");
    check.Expect(WaitForSingleObject(app.process.hProcess, 10000) == WAIT_OBJECT_0, "the program ends");
    GetExitCodeProcess(app.process.hProcess, &exitCode);
    check.Equal(exitCode, 0ul, "exit code");
}

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

} // namespace

int main(int argc, char** argv) {
    // The run script closes the window it showed for the screenshot with this.
    if (argc > 1 && std::strcmp(argv[1], "--close-main-window") == 0) {
        HWND window = FindWindowW(nullptr, L"Tarnwick");
        return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    SetCursorPos(0, 0);
    if (!StartProgram(OwnFolder())) {
        check.Expect(false, "the program under test starts");
        return check.Finish();
    }
    CheckWindow();
    CheckControls();
    CheckMenu();
    CheckColours();
    CheckTooltips();
    CheckTabOrder();
    CheckShortcuts();
    CheckProgramChangesAreQuiet();
    CheckUserEvents();
    DWORD exitCode = STILL_ACTIVE;
    CheckClose(exitCode);
    if (exitCode == STILL_ACTIVE) {
        TerminateProcess(app.process.hProcess, 1);
    }
    CloseHandle(app.process.hThread);
    CloseHandle(app.process.hProcess);
    return check.Finish();
}
