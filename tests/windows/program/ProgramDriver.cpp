// Drives the whole program as a user would. Starts TarnwickUnderTest.exe (the test build of Tarnwick,
// which appends every target it would hand to the shell to the file named by TARNWICK_SHELL_LOG) from a
// scratch folder on drive C, works its windows through Win32 messages and real mouse and keyboard input,
// and checks what a user would see (windows, texts, places, colours, message boxes, focus) and what lands
// on disk and in the shell log.
//
//   ProgramDriver <TarnwickUnderTest.exe>
//       runs every check and ends with "N passed, N failed".
//   ProgramDriver --screenshots <TarnwickUnderTest.exe> <folder>
//       shows the About window, then the License window, and hands over to the run script for a screen
//       capture of each: it writes <folder>\about.ready and waits for <folder>\about.done, then the same
//       with license.*. Meant to run under a Wine virtual desktop, which draws the window frames.
#include "Checker.h"
#include "RemoteBuffer.h"
#include "WindowReading.h"
#include "ui/Links.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using checks::Checker;

namespace {

Checker check;

// ---- the scratch folder ---------------------------------------------------------------------------

// Everything the checks make lives below this folder; its name has blanks on purpose.
const std::wstring Root = L"C:\\tarnwick program test\\";
const std::wstring AppFolder = Root + L"app\\";
const std::wstring ProgramPath = AppFolder + L"TarnwickUnderTest.exe";
const std::wstring HelpDocument = AppFolder + L"docs\\README.pdf";
const std::wstring WorkFolder = Root + L"work";
const std::wstring DosboxPath = Root + L"dosbox\\DOSBox.exe";

void Pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

std::string Utf8(std::u16string_view text) { return checks::Utf8(std::wstring(text.begin(), text.end())); }

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The names in a folder, sorted; empty for a missing folder.
std::vector<std::string> Listing(const std::wstring& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            names.push_back(checks::Utf8(name));
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        text += (text.empty() ? "" : " ") + name;
    }
    return text;
}

void RemoveTree(const std::wstring& path) {
    if (IsFolder(path)) {
        for (const auto& name : Listing(path)) {
            const int size = MultiByteToWideChar(CP_UTF8, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
            std::wstring wide(static_cast<size_t>(size), L'\0');
            MultiByteToWideChar(CP_UTF8, 0, name.data(), static_cast<int>(name.size()), wide.data(), size);
            RemoveTree(path + L"\\" + wide);
        }
        RemoveDirectoryW(path.c_str());
    } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    }
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(file);
    return ok;
}

std::string ReadBytes(const std::wstring& path) {
    std::string content;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return content;
    }
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        content.append(buffer, read);
    }
    CloseHandle(file);
    return content;
}

std::vector<std::string> Lines(const std::string& content) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = content.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    if (start < content.size()) {
        lines.push_back(content.substr(start));
    }
    return lines;
}

// Copies the program into the scratch folder and makes the fake DOSBox and the work folder.
bool PrepareScratch(const std::wstring& programSource) {
    RemoveTree(Root.substr(0, Root.size() - 1));
    for (const std::wstring& folder : {Root, AppFolder, Root + L"dosbox\\", WorkFolder + L"\\"}) {
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    if (!CopyFileW(programSource.c_str(), ProgramPath.c_str(), FALSE)) {
        std::printf("cannot copy %s (error %lu)\n", checks::Utf8(programSource).c_str(), GetLastError());
        return false;
    }
    return WriteBytes(DosboxPath, "MZ");
}

// ---- reading windows ------------------------------------------------------------------------------


RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// The rectangle of a child in its parent's client coordinates.
RECT RectInParent(HWND window) {
    RECT rect = WindowRectOf(window);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string ShowRect(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left) + "x" +
           std::to_string(rect.bottom - rect.top);
}

RECT Box(LONG x, LONG y, LONG w, LONG h) { return RECT{x, y, x + w, y + h}; }

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// ---- the screen -----------------------------------------------------------------------------------

// The pixels of a rectangle of the screen, row by row.
std::vector<COLORREF> Capture(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0) {
        return pixels;
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        GdiFlush();
        const auto* raw = static_cast<const DWORD*>(bits);
        for (int index = 0; index < width * height; ++index) {
            const DWORD value = raw[index]; // 0x00RRGGBB
            pixels.push_back(RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF));
        }
        SelectObject(memory, old);
    }
    if (bitmap) {
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A rectangle of a window's client area in screen coordinates.
RECT ClientArea(HWND window, const RECT& part) {
    RECT rect = part;
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

size_t CountColour(const std::vector<COLORREF>& pixels, COLORREF colour) {
    return static_cast<size_t>(std::count(pixels.begin(), pixels.end(), colour));
}

size_t DistinctColours(std::vector<COLORREF> pixels) {
    std::sort(pixels.begin(), pixels.end());
    return static_cast<size_t>(std::unique(pixels.begin(), pixels.end()) - pixels.begin());
}

std::string ShowColour(COLORREF colour) {
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%d,%d,%d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

// ---- input ----------------------------------------------------------------------------------------

void SendKey(WORD key) {
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = key;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void SendKeys(const std::vector<WORD>& keys) {
    for (WORD key : keys) {
        SendKey(key);
        Pause(250);
    }
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

POINT CentreOf(HWND window) {
    const RECT rect = WindowRectOf(window);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Moves the pointer there with a real move, so that the window under it sees the mouse.
void PointAt(POINT point) {
    SetCursorPos(point.x - 1, point.y);
    Pause(30);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = 1;
    input.mi.dy = 0;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
    Pause(100);
}

void PointAway() { PointAt(POINT{2, 2}); }

// A left click with the real mouse at the middle of a control.
void Click(HWND control) {
    PointAt(CentreOf(control));
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &inputs[0], sizeof(INPUT));
    Pause(60);
    SendInput(1, &inputs[1], sizeof(INPUT));
    Pause(150);
}

// ---- the program under test -----------------------------------------------------------------------

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

// A dialog window as it was about to be created, seen by CreationSpy.dll in the program.
struct Creation {
    HWND window = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

// One run of the program, from its start to its end.
class Session {
public:
    explicit Session(std::string name) : name(std::move(name)) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session() {
        if (hook) {
            UnhookWindowsHookEx(hook);
        }
        if (process.hProcess) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process.hProcess, 1);
                WaitForSingleObject(process.hProcess, 5000);
            }
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }

    // Starts the program in the working folder and finds its main window and controls.
    bool Start(const std::wstring& workingFolder) {
        shellLog = Root + L"shell-" + std::wstring(name.begin(), name.end()) + L".log";
        creationLog = Root + L"creations-" + std::wstring(name.begin(), name.end()) + L".log";
        DeleteFileW(shellLog.c_str());
        DeleteFileW(creationLog.c_str());
        SetEnvironmentVariableW(L"TARNWICK_SHELL_LOG", shellLog.c_str());
        SetEnvironmentVariableW(L"TARNWICK_CREATION_LOG", creationLog.c_str());
        std::wstring commandLine = L"\"" + ProgramPath + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(ProgramPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            workingFolder.c_str(), &startup, &process)) {
            std::printf("cannot start the program (error %lu)\n", GetLastError());
            process = PROCESS_INFORMATION{};
            return false;
        }
        main = WaitForWindow([](HWND window) { return ClassOf(window) != L"#32770" && TextOf(window) == L"Tarnwick"; }, 30000);
        if (!main) {
            std::printf("the main window did not appear\n");
            return false;
        }
        WaitForInputIdle(process.hProcess, 5000);
        FindControls();
        // The spy goes in front of the hook chain now; a hook that the program installs later is called
        // before it, so the spy sees what that hook has made of the creation record.
        static HMODULE spy = LoadLibraryW((OwnFolder() + L"CreationSpy.dll").c_str());
        const auto procedure = spy ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(spy, "CreationSpy"))) : nullptr;
        hook = procedure ? SetWindowsHookExW(WH_CBT, procedure, spy, process.dwThreadId) : nullptr;
        if (!hook) {
            std::printf("cannot put CreationSpy.dll into the program (error %lu)\n", GetLastError());
        }
        return true;
    }

    // The dialog windows created so far, in order.
    std::vector<Creation> Creations() const {
        std::vector<Creation> found;
        for (const std::string& line : Lines(ReadBytes(creationLog))) {
            Creation creation;
            unsigned long long window = 0;
            if (std::sscanf(line.c_str(), "%llx %d %d %d %d", &window, &creation.x, &creation.y, &creation.cx, &creation.cy) == 5) {
                creation.window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(window));
                found.push_back(creation);
            }
        }
        return found;
    }

    // How a dialog window was created; nothing when the spy did not see it.
    std::optional<Creation> CreationOf(HWND dialog) const {
        for (const Creation& creation : Creations()) {
            if (creation.window == dialog) {
                return creation;
            }
        }
        return std::nullopt;
    }

    HWND operator[](const std::string& control) const {
        auto entry = controls.find(control);
        return entry == controls.end() ? nullptr : entry->second;
    }

    HANDLE Process() const { return process.hProcess; }

    // The visible top-level windows of the program's thread.
    std::vector<HWND> Windows() const {
        std::vector<HWND> all;
        std::vector<HWND> visible;
        EnumThreadWindows(process.dwThreadId, CollectWindow, reinterpret_cast<LPARAM>(&all));
        for (HWND window : all) {
            if (IsWindowVisible(window)) {
                visible.push_back(window);
            }
        }
        return visible;
    }

    HWND WaitForWindow(const std::function<bool(HWND)>& test, int timeoutMs = 5000) const {
        for (int waited = 0;; waited += 50) {
            for (HWND window : Windows()) {
                if (test(window)) {
                    return window;
                }
            }
            if (waited >= timeoutMs || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
                return nullptr;
            }
            Pause(50);
        }
    }

    // A dialog window (a message box or a picker) with this title.
    HWND WaitForDialog(const std::wstring& title, int timeoutMs = 5000) const {
        return WaitForWindow([&](HWND window) { return ClassOf(window) == L"#32770" && TextOf(window) == title; }, timeoutMs);
    }

    HWND WaitForTkWindow(const std::wstring& title, int timeoutMs = 5000) const {
        return WaitForWindow([&](HWND window) { return ClassOf(window) != L"#32770" && TextOf(window) == title; }, timeoutMs);
    }

    // The dialogs of the program that are open.
    std::vector<HWND> Dialogs() const {
        std::vector<HWND> dialogs;
        for (HWND window : Windows()) {
            if (ClassOf(window) == L"#32770") {
                dialogs.push_back(window);
            }
        }
        return dialogs;
    }

    // Waits until a window is destroyed.
    bool WaitGone(HWND window, int timeoutMs = 5000) const {
        for (int waited = 0; waited < timeoutMs; waited += 50) {
            if (!IsWindow(window)) {
                return true;
            }
            Pause(50);
        }
        return !IsWindow(window);
    }

    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(process.dwThreadId, &info)) {
            return nullptr;
        }
        return info.hwndFocus;
    }

    HWND Active() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(process.dwThreadId, &info)) {
            return nullptr;
        }
        return info.hwndActive;
    }

    std::vector<std::string> ShellLog() const { return Lines(ReadBytes(shellLog)); }

    // Waits until the shell log has at least `count` lines.
    std::vector<std::string> WaitShellLog(size_t count, int timeoutMs = 3000) const {
        for (int waited = 0; waited < timeoutMs; waited += 50) {
            auto lines = ShellLog();
            if (lines.size() >= count) {
                return lines;
            }
            Pause(50);
        }
        return ShellLog();
    }

    // Waits for the process to end; the exit code, or STILL_ACTIVE when it goes on.
    DWORD WaitExit(int timeoutMs) const {
        WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeoutMs));
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }

    bool Running() const { return WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT; }

    std::string NameOf(HWND handle) const {
        if (!handle) {
            return "(none)";
        }
        if (handle == main) {
            return "MainWindow";
        }
        for (const auto& entry : controls) {
            if (entry.second == handle) {
                return entry.first;
            }
        }
        return checks::Utf8(ClassOf(handle)) + " " + checks::Show(TextOf(handle));
    }

    HWND main = nullptr;

private:
    void FindControls() {
        std::vector<HWND> all;
        EnumChildWindows(main, CollectWindow, reinterpret_cast<LPARAM>(&all));
        std::vector<HWND> fields;
        std::vector<HWND> browse;
        const std::map<std::wstring, std::string> byText = {
            {L"Next", "NextButton"},
            {L"Quit", "QuitButton"},
            {L"QBASIC 1.1", "Qb11CheckBox"},
            {L"QuickBASIC 4.5", "Qb45CheckBox"},
            {L"QuickBASIC Extended 7.1", "QbxCheckBox"},
            {L"Visual Basic for DOS", "VbdosCheckBox"},
            {L"Shut down DOSBox when exiting", "ShutDownCheckBox"},
            {L"Fullscreen Mode", "FullscreenCheckBox"},
            {L"Copy Example Files", "ExamplesCheckBox"},
        };
        for (HWND child : all) {
            const std::wstring className = ClassOf(child);
            const std::wstring text = TextOf(child);
            if (className == L"Edit") {
                fields.push_back(child);
            } else if (className == L"Button" && text == L"...") {
                browse.push_back(child);
            } else if (className == L"Button" && byText.count(text)) {
                controls[byText.at(text)] = child;
            }
        }
        auto byTop = [](HWND a, HWND b) { return WindowRectOf(a).top < WindowRectOf(b).top; };
        std::sort(fields.begin(), fields.end(), byTop);
        std::sort(browse.begin(), browse.end(), byTop);
        if (fields.size() == 2) {
            controls["DosboxPathField"] = fields[0];
            controls["DestinationField"] = fields[1];
        }
        if (browse.size() == 2) {
            controls["DosboxBrowseButton"] = browse[0];
            controls["DestinationBrowseButton"] = browse[1];
        }
    }

    std::string name;
    std::wstring shellLog;
    std::wstring creationLog;
    HHOOK hook = nullptr;
    PROCESS_INFORMATION process{};
    std::map<std::string, HWND> controls;
};

const std::vector<std::string>& CheckBoxNames() {
    static const std::vector<std::string> names = {
        "Qb11CheckBox", "Qb45CheckBox", "QbxCheckBox", "VbdosCheckBox", "ShutDownCheckBox", "FullscreenCheckBox", "ExamplesCheckBox",
    };
    return names;
}

int CheckState(HWND box) { return static_cast<int>(SendMessageW(box, BM_GETCHECK, 0, 0)); }

void SetField(HWND field, const std::wstring& text) {
    SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 3000, nullptr);
}

// Clicks a check box until it shows the wanted state (one click when it differs).
void SetCheck(Session& app, const std::string& box, int wanted) {
    if (CheckState(app[box]) != wanted) {
        BringToFront(app.main);
        Click(app[box]);
        check.Equal(CheckState(app[box]), wanted, "a click on " + box + " changes its state");
    }
}

// Everything a user can set in the main window, to see that nothing changed.
std::string MainWindowState(Session& app) {
    std::string state = checks::Utf8(TextOf(app["DosboxPathField"])) + " | " + checks::Utf8(TextOf(app["DestinationField"])) + " |";
    for (const auto& box : CheckBoxNames()) {
        state += " " + std::to_string(CheckState(app[box]));
    }
    return state;
}

bool StartSession(Session& app, const std::wstring& workingFolder) {
    if (!check.Expect(app.Start(workingFolder), "the program starts and shows its main window")) {
        return false;
    }
    bool complete = true;
    for (const std::string name : {"DosboxPathField", "DestinationField", "DosboxBrowseButton", "DestinationBrowseButton",
                                   "NextButton", "QuitButton"}) {
        complete = complete && app[name] != nullptr;
    }
    for (const auto& box : CheckBoxNames()) {
        complete = complete && app[box] != nullptr;
    }
    return check.Expect(complete, "every control of the main window is found");
}

// ---- message boxes --------------------------------------------------------------------------------

// The message of a message box: the texts of its static controls.
std::wstring BoxMessage(HWND box) {
    std::wstring message;
    for (HWND child : Children(box)) {
        if (ClassOf(child) == L"Static" && IsWindowVisible(child)) {
            message += TextOf(child);
        }
    }
    return message;
}

std::vector<int> BoxButtons(HWND box) {
    std::vector<int> ids;
    for (HWND child : Children(box)) {
        if (ClassOf(child) == L"Button" && IsWindowVisible(child)) {
            ids.push_back(GetDlgCtrlID(child));
        }
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

// Whether the box shows an icon: the message then stands right of the icon control; without an icon
// it takes the icon control's place.
bool HasIcon(HWND box) {
    std::optional<RECT> icon;
    std::optional<RECT> message;
    for (HWND child : Children(box)) {
        if (ClassOf(child) != L"Static" || !IsWindowVisible(child)) {
            continue;
        }
        if ((StyleOf(child) & SS_TYPEMASK) == SS_ICON) {
            icon = WindowRectOf(child);
        } else if (!TextOf(child).empty()) {
            message = WindowRectOf(child);
        }
    }
    return icon && message && message->left >= icon->right;
}

// Waits for the box, checks its text and buttons, and gives it back (null when it did not come).
HWND ExpectBox(Session& app, const std::wstring& title, const std::wstring& text, const std::vector<int>& buttons,
               int timeoutMs = 10000) {
    HWND box = app.WaitForDialog(title, timeoutMs);
    if (!check.Expect(box != nullptr, "the box " + checks::Show(title) + " appears")) {
        return nullptr;
    }
    check.Equal(BoxMessage(box), text, checks::Utf8(title) + ": its text");
    check.Equal(BoxButtons(box), buttons, checks::Utf8(title) + ": its buttons");
    check.Expect(!HasIcon(box), checks::Utf8(title) + ": no icon");
    return box;
}

void PressBoxButton(Session& app, HWND box, int id) {
    PostMessageW(GetDlgItem(box, id), BM_CLICK, 0, 0);
    check.Expect(app.WaitGone(box), "the box closes when a button is pressed");
}

// ---- the main window's actions ----------------------------------------------------------------------

const std::vector<int> OkButton = {IDOK};
const std::vector<int> YesNoButtons = {IDYES, IDNO};

// Each invalid input gives its box, and afterwards the keyboard focus is in the field to correct.
void CheckInvalidInput(Session& app) {
    check.Group("invalid input");
    const std::wstring folderNamedExe = Root + L"a folder.exe";
    CreateDirectoryW(folderNamedExe.c_str(), nullptr);
    const std::wstring emptyDestination = Root + L"untouched";
    CreateDirectoryW(emptyDestination.c_str(), nullptr);
    struct Case {
        const char* what;
        std::wstring dosbox;
        std::wstring destination;
        bool onlyExamples; // untick "QuickBASIC 4.5", the one package ticked, and tick "Copy Example Files"
        const wchar_t* title;
        const wchar_t* text;
        const char* focus; // null: the focus is not moved
    };
    const std::vector<Case> cases = {
        {"empty fields", L"", L"", false, L"Invalid File", L"No Executable File selected", "DosboxPathField"},
        {"a folder named like an executable", folderNamedExe, emptyDestination, false, L"Invalid File",
         L"No Executable File selected", "DosboxPathField"},
        {"an empty destination", DosboxPath, L"", false, L"Invalid Path", L"No Folder selected", "DestinationField"},
        {"a destination that is a file", DosboxPath, DosboxPath, false, L"Invalid Path", L"No Folder selected",
         "DestinationField"},
        {"only the examples ticked", DosboxPath, emptyDestination, true, L"Nothing to install",
         L"Please select at least one Installation Package", nullptr},
    };
    for (const Case& c : cases) {
        check.Group(std::string("invalid input: ") + c.what);
        SetField(app["DosboxPathField"], c.dosbox);
        SetField(app["DestinationField"], c.destination);
        if (c.onlyExamples) {
            SetCheck(app, "Qb45CheckBox", 0);
            SetCheck(app, "ExamplesCheckBox", 1);
        }
        BringToFront(app.main);
        Click(app["NextButton"]);
        HWND box = ExpectBox(app, c.title, c.text, OkButton);
        if (!box) {
            continue;
        }
        check.Expect(!IsWindowEnabled(app.main), "the main window takes no input while the box is open");
        PressBoxButton(app, box, IDOK);
        Pause(200);
        if (c.focus) {
            check.Equal(app.NameOf(app.Focus()), std::string(c.focus), "the keyboard focus after OK");
        }
        check.Expect(IsWindowEnabled(app.main) != FALSE, "the main window is enabled again");
        check.Equal(Joined(Listing(emptyDestination)), std::string(), "nothing is written");
        check.Equal(TextOf(app["DosboxPathField"]), c.dosbox, "the DOSBox field keeps its text");
        check.Equal(TextOf(app["DestinationField"]), c.destination, "the destination field keeps its text");
    }
    SetCheck(app, "ExamplesCheckBox", 0);
    SetCheck(app, "Qb45CheckBox", 1);
}

// ---- the About and License windows ----------------------------------------------------------------

struct Row {
    const char* name;
    const wchar_t* className; // null: a window class of the toolkit's own
    DWORD typeMask;
    DWORD type;
    RECT rect;
    std::wstring text;
};

const std::vector<Row>& AboutRows() {
    static const std::vector<Row> rows = {
        {"product name", L"Static", SS_TYPEMASK, SS_CENTER, Box(240, 20, 270, 30), L"Tarnwick"},
        {"copyright notice", L"Static", SS_TYPEMASK, SS_RIGHT, Box(270, 90, 130, 20),
         std::wstring(tarnwick::CopyrightNotice.begin(), tarnwick::CopyrightNotice.end())},
        {"MakerLink", nullptr, 0, 0, Box(400, 90, 70, 20), L"Fenwold"},
        {"frame", L"Button", BS_TYPEMASK, BS_GROUPBOX, Box(220, 10, 320, 50), L""},
        {"version", L"Static", SS_TYPEMASK, SS_CENTER, Box(270, 70, 230, 20), L"Version: 1.1.0.193"},
        {"LicenseButton", L"Button", BS_TYPEMASK, BS_PUSHBUTTON, Box(310, 130, 150, 30), L"License Agreement"},
        {"freeware 1", L"Static", SS_TYPEMASK, SS_CENTER, Box(20, 190, 280, 20), L"This Program is Freeware."},
        {"freeware 2", L"Static", SS_TYPEMASK, SS_CENTER, Box(20, 210, 280, 20), L"However, if you find this software useful,"},
        {"freeware 3", L"Static", SS_TYPEMASK, SS_CENTER, Box(20, 230, 280, 20), L"feel free to donate a small amount."},
        {"picture", nullptr, 0, 0, Box(10, 20, 200, 149), L""},
        {"DonateButton", L"Button", BS_TYPEMASK, BS_OWNERDRAW, Box(310, 190, 150, 50), L""},
    };
    return rows;
}

const std::vector<Row>& LicenseRows() {
    static const std::vector<Row> rows = {
        {"LicenseText", L"Static", SS_TYPEMASK, SS_CENTER, Box(40, 70, 320, 40),
         std::wstring(tarnwick::LicenseSentence.begin(), tarnwick::LicenseSentence.end())},
        {"BadgeButton", L"Button", BS_TYPEMASK, BS_OWNERDRAW, Box(160, 130, 88, 31), L""},
    };
    return rows;
}

// Checks a window's controls against its rows, in creation order (the z-order keeps it), and gives
// their handles by row name.
std::map<std::string, HWND> CheckRows(HWND window, const std::vector<Row>& rows, const std::string& where) {
    std::map<std::string, HWND> found;
    const std::vector<HWND> children = Children(window);
    if (!check.Equal(children.size(), rows.size(), where + ": number of controls")) {
        return found;
    }
    for (size_t index = 0; index < rows.size(); ++index) {
        const Row& row = rows[index];
        HWND control = children[index];
        const std::string what = where + " control " + std::to_string(index + 1) + " (" + row.name + ")";
        found[row.name] = control;
        const std::wstring className = ClassOf(control);
        if (row.className) {
            check.Equal(className, std::wstring(row.className), what + ": class");
        } else {
            check.Expect(className != L"Static" && className != L"Button" && className != L"Edit" && !className.empty(),
                         what + ": a class of the toolkit's own, got " + checks::Show(className));
        }
        check.Equal(StyleOf(control) & row.typeMask, row.type, what + ": kind and alignment");
        check.Equal(StyleOf(control) & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE), what + ": a visible child");
        const RECT rect = RectInParent(control);
        check.Expect(EqualRect(&rect, &row.rect) != FALSE, what + ": place and size, got " + ShowRect(rect) + ", expected " +
                                                               ShowRect(row.rect));
        check.Equal(TextOf(control), row.text, what + ": text");
    }
    return found;
}

// The tooltip control that belongs to a window, with the text of the one tool registered with it.
void CheckTooltip(Session& app, HWND window, HWND tool, const std::wstring& expected, const std::string& where) {
    std::vector<HWND> all;
    EnumThreadWindows(GetWindowThreadProcessId(window, nullptr), CollectWindow, reinterpret_cast<LPARAM>(&all));
    HWND tooltip = nullptr;
    for (HWND candidate : all) {
        if (ClassOf(candidate) == TOOLTIPS_CLASSW && GetWindow(candidate, GW_OWNER) == window) {
            tooltip = candidate;
        }
    }
    if (!check.Expect(tooltip != nullptr, where + ": the window has a tooltip control")) {
        return;
    }
    check.Equal(static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0)), 1, where + ": tools registered");
    constexpr size_t textOffset = 512;
    RemoteBuffer remote(app.Process(), 4096);
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.lpszText = reinterpret_cast<wchar_t*>(remote.Address() + textOffset);
    wchar_t text[256] = {};
    DWORD_PTR result = 0;
    if (!check.Expect(remote.Address() && remote.Write(textOffset, text, sizeof text) && remote.Write(0, &info, sizeof info) &&
                          SendMessageTimeoutW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(remote.Address()),
                                              SMTO_ABORTIFHUNG, 3000, &result) &&
                          result,
                      where + ": the tool can be read")) {
        return;
    }
    remote.Read(0, &info, sizeof info);
    remote.Read(textOffset, text, sizeof text - sizeof(wchar_t));
    check.Expect(reinterpret_cast<HWND>(info.uId) == tool, where + ": the tool is the button");
    check.Equal(std::wstring(text), expected, where + ": tooltip text");
}

// A font made here the way the program makes its fonts, to measure the texts it should draw.
struct Font {
    Font(const wchar_t* face, int points, int weight) {
        HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
        const int dpi = display ? GetDeviceCaps(display, LOGPIXELSY) : 96;
        if (display) {
            DeleteDC(display);
        }
        handle = CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
    }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font() {
        if (handle) {
            DeleteObject(handle);
        }
    }
    HFONT handle = nullptr;
};

RECT Inside(const RECT& rect, int margin) {
    return RECT{rect.left + margin, rect.top + margin, rect.right - margin, rect.bottom - margin};
}

// The width of what is drawn (pixels not in the background colour) in a part of a window's client area.
int InkWidth(HWND window, const RECT& part, COLORREF background) {
    const auto pixels = Capture(ClientArea(window, part));
    const int width = part.right - part.left;
    int left = width;
    int right = -1;
    for (size_t index = 0; index < pixels.size(); ++index) {
        if (pixels[index] != background) {
            const int x = static_cast<int>(index % static_cast<size_t>(width));
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    return right < left ? 0 : right - left + 1;
}

// The width of a text in a font, wrapped at word boundaries within wrapWidth; trailing blanks draw nothing.
int TextWidth(std::wstring text, HFONT font, int wrapWidth) {
    while (!text.empty() && text.back() == L' ') {
        text.pop_back();
    }
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT rect{0, 0, wrapWidth, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteDC(dc);
    return rect.right - rect.left;
}

struct InkCase {
    const char* what;
    RECT part; // the control's client area, or the part of it that holds the text
    std::wstring text;
    HFONT font;
    COLORREF background;
    int tolerance = 3; // the bearings of the first and last letters of the widest line
};

// Each text is as wide on the screen as the font it should have makes it, give or take the bearings of
// its first and last letters.
void CheckInk(HWND window, const std::vector<InkCase>& cases) {
    for (const InkCase& ink : cases) {
        const int drawn = InkWidth(window, ink.part, ink.background);
        const int expected = TextWidth(ink.text, ink.font, ink.part.right - ink.part.left);
        check.Expect(drawn > 0 && std::abs(drawn - expected) <= ink.tolerance, std::string(ink.what) + " is drawn in its font: " +
                                                                         std::to_string(drawn) + " pixels wide, expected " +
                                                                         std::to_string(expected));
    }
}

// The About window's content, place, colours, fonts and tooltip. Returns its controls by row name.
std::map<std::string, HWND> CheckAboutWindow(Session& app, HWND about) {
    check.Expect(ClassOf(about) == ClassOf(app.main), "the About window is a window of the toolkit");
    check.Equal(GetWindow(about, GW_OWNER), app.main, "owned by the main window");
    const DWORD style = StyleOf(about);
    check.Equal(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU), "title bar and system menu");
    check.Equal(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0ul, "no minimise or maximise box, fixed size");
    RECT client{};
    GetClientRect(about, &client);
    check.Equal(ShowRect(client), std::string("0,0 550x270"), "client area");

    // Centred over the owner's outer rectangle, never left of or above the screen's corner.
    const RECT owner = WindowRectOf(app.main);
    const RECT outer = WindowRectOf(about);
    const LONG left = std::max(0l, owner.left + ((owner.right - owner.left) - (outer.right - outer.left)) / 2);
    const LONG top = std::max(0l, owner.top + ((owner.bottom - owner.top) - (outer.bottom - outer.top)) / 2);
    check.Equal(outer.left, left, "centred over the main window: left");
    check.Equal(outer.top, top, "centred over the main window: top");

    check.Expect(!IsWindowEnabled(app.main), "the main window is disabled");
    check.Expect(IsWindowEnabled(about) != FALSE, "the About window is enabled");
    check.Equal(app.NameOf(app.Active()), app.NameOf(about), "the About window is active");

    auto controls = CheckRows(about, AboutRows(), "About");
    if (controls.size() != AboutRows().size()) {
        return controls;
    }

    CheckTooltip(app, about, controls["DonateButton"], L"Click here to make a Donation", "DonateButton");

    // Colours on the screen.
    PointAway();
    RedrawWindow(about, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pause(300);
    const COLORREF grey = RGB(225, 225, 225);
    struct Spot {
        const char* what;
        RECT part; // in the About window's client area
    };
    const std::vector<Spot> greySpots = {
        {"window background", Box(5, 180, 5, 5)},
        {"window background at the bottom right", Box(540, 258, 8, 8)},
        {"product name label beyond its text", Box(243, 22, 4, 4)},
        {"version label beyond its text", Box(272, 72, 4, 4)},
        {"copyright label beyond its text", Box(271, 91, 3, 3)},
        {"freeware label beyond its text", Box(21, 231, 3, 3)},
        {"link beyond its text", Box(466, 91, 3, 3)},
    };
    for (const Spot& spot : greySpots) {
        const auto pixels = Capture(ClientArea(about, spot.part));
        check.Expect(!pixels.empty() && CountColour(pixels, grey) == pixels.size(),
                     std::string(spot.what) + " is grey, got " + (pixels.empty() ? std::string("nothing") : ShowColour(pixels[0])));
    }
    const auto link = Capture(ClientArea(about, Box(400, 90, 70, 20)));
    check.Expect(CountColour(link, RGB(0, 0, 255)) >= 20, "the link is drawn in blue, underlined");
    check.Equal(CountColour(link, RGB(0, 0, 0)), size_t{0}, "no black in the link while the pointer is away");
    check.Expect(DistinctColours(Capture(ClientArea(about, Box(10, 20, 200, 149)))) > 3, "the picture shows");
    check.Expect(DistinctColours(Capture(ClientArea(about, Box(312, 192, 146, 46)))) > 3, "the donation button shows its picture");

    // The hover colour while the pointer rests on the link.
    PointAt(CentreOf(controls["MakerLink"]));
    Pause(200);
    const auto hovered = Capture(ClientArea(about, Box(400, 90, 70, 20)));
    check.Expect(CountColour(hovered, RGB(0, 0, 0)) >= 20, "the link turns black under the pointer");
    check.Equal(CountColour(hovered, RGB(0, 0, 255)), size_t{0}, "no blue left in the link under the pointer");
    PointAway();

    // Fonts: the title font on the product name, the text font on the other labels and the link, the
    // default GUI font on the button. (Wine does not answer WM_GETFONT from another process, so the
    // fonts are told by the width of the text on the screen.)
    const Font titleFont(L"Tahoma", 16, FW_BOLD);
    const Font textFont(L"Tahoma", 10, FW_NORMAL);
    const HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::vector<InkCase> inks = {
        {"product name", AboutRows()[0].rect, AboutRows()[0].text, titleFont.handle, grey},
        {"copyright notice", AboutRows()[1].rect, AboutRows()[1].text, textFont.handle, grey},
        {"MakerLink", AboutRows()[2].rect, AboutRows()[2].text, textFont.handle, grey},
        {"version", AboutRows()[4].rect, AboutRows()[4].text, textFont.handle, grey},
        {"freeware 1", AboutRows()[6].rect, AboutRows()[6].text, textFont.handle, grey},
        {"freeware 2", AboutRows()[7].rect, AboutRows()[7].text, textFont.handle, grey},
        {"freeware 3", AboutRows()[8].rect, AboutRows()[8].text, textFont.handle, grey},
        {"LicenseButton", Inside(AboutRows()[5].rect, 3), AboutRows()[5].text, guiFont, face},
    };
    CheckInk(about, inks);
    return controls;
}

std::map<std::string, HWND> CheckLicenseWindow(Session& app, HWND about, HWND license) {
    check.Equal(GetWindow(license, GW_OWNER), about, "owned by the About window");
    const DWORD style = StyleOf(license);
    check.Equal(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU), "title bar and system menu");
    check.Equal(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0ul, "no minimise or maximise box, fixed size");
    RECT client{};
    GetClientRect(license, &client);
    check.Equal(ShowRect(client), std::string("0,0 420x240"), "client area");
    const RECT owner = WindowRectOf(about);
    const RECT outer = WindowRectOf(license);
    check.Equal(outer.left, std::max(0l, owner.left + ((owner.right - owner.left) - (outer.right - outer.left)) / 2),
                "centred over the About window: left");
    check.Equal(outer.top, std::max(0l, owner.top + ((owner.bottom - owner.top) - (outer.bottom - outer.top)) / 2),
                "centred over the About window: top");
    check.Expect(!IsWindowEnabled(app.main), "the main window is disabled");
    check.Expect(!IsWindowEnabled(about), "the About window is disabled");
    check.Equal(app.NameOf(app.Active()), app.NameOf(license), "the License window is active");

    auto controls = CheckRows(license, LicenseRows(), "License");
    if (controls.size() != LicenseRows().size()) {
        return controls;
    }
    CheckTooltip(app, license, controls["BadgeButton"], L"Click here for Details", "BadgeButton");

    PointAway();
    RedrawWindow(license, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pause(300);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const auto background = Capture(ClientArea(license, Box(5, 5, 20, 20)));
    check.Expect(!background.empty() && CountColour(background, face) == background.size(),
                 "the License window has the button-face background");
    // The sentence is too long for one line of the label: text shows in both halves of its height.
    const auto firstLine = Capture(ClientArea(license, Box(40, 70, 320, 18)));
    const auto secondLine = Capture(ClientArea(license, Box(40, 90, 320, 20)));
    check.Expect(CountColour(firstLine, face) < firstLine.size() && CountColour(secondLine, face) < secondLine.size(),
                 "the licence sentence is wrapped over two lines");
    check.Expect(DistinctColours(Capture(ClientArea(license, Box(162, 132, 84, 27)))) > 3, "the badge shows its picture");
    // Wrapped lines end in a blank that the measure may count: a little more room.
    CheckInk(license, {{"LicenseText", LicenseRows()[0].rect, LicenseRows()[0].text,
                        static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), face, 6}});
    return controls;
}

// Opens About through the "?" menu with the keyboard.
HWND OpenAboutByMenu(Session& app) {
    BringToFront(app.main);
    SendKeys({VK_F10, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN});
    return app.WaitForTkWindow(L"About");
}

void CheckAboutAndLicense(Session& app) {
    const std::string help = checks::Utf8(HelpDocument);
    const std::string maker = Utf8(tarnwick::MakerWebSite);
    const std::string donation = Utf8(tarnwick::DonationPage);
    const std::string deed = Utf8(tarnwick::LicenseDeedPage);

    check.Group("links");
    check.Expect(deed.find("creativecommons.org/licenses/by-nc-nd/4.0") != std::string::npos,
                 "the badge's page is the deed of CC BY-NC-ND 4.0: " + deed);
    check.Expect(donation.find("paypal.com") != std::string::npos && donation.find("hosted_button_id=") != std::string::npos,
                 "the donation page is a hosted PayPal button: " + donation);
    check.Expect(tarnwick::CopyrightNotice.size() > 1 && tarnwick::CopyrightNotice.back() == u' ' &&
                     tarnwick::CopyrightNotice[tarnwick::CopyrightNotice.size() - 2] != u' ',
                 "the copyright notice ends in one blank");

    check.Group("help");
    BringToFront(app.main);
    SendKey(VK_F1);
    auto log = app.WaitShellLog(1);
    check.Expect(log.size() == 1 && log[0] == help, "F1 hands the help document to the shell: got " + Joined(log));

    check.Group("About window");
    HWND about = OpenAboutByMenu(app);
    if (!check.Expect(about != nullptr, "? > About opens the About window")) {
        return;
    }
    auto controls = CheckAboutWindow(app, about);
    if (controls.size() != AboutRows().size()) {
        return;
    }

    check.Group("About window: input");
    // Menu choices of the disabled main window that still arrive are consumed; F1 is not the About
    // window's key; clicks on the picture and a label do nothing; the link and the donation button
    // reach the shell and the window stays.
    PostMessageW(app.main, WM_COMMAND, MAKEWPARAM(1, 0), 0); // "?" > Help
    PostMessageW(app.main, WM_COMMAND, MAKEWPARAM(2, 0), 0); // "?" > About
    BringToFront(about);
    SendKey(VK_F1);
    Pause(300);
    Click(controls["picture"]);
    Click(controls["freeware 1"]);
    Click(controls["MakerLink"]);
    log = app.WaitShellLog(2);
    check.Equal(Joined(log), Joined({help, maker}), "after the menu choices, F1, a click on the picture, a label and the link");
    int aboutWindows = 0;
    for (HWND window : app.Windows()) {
        aboutWindows += TextOf(window) == L"About" ? 1 : 0;
    }
    check.Equal(aboutWindows, 1, "the About choice that arrived opened no second About window");
    Click(controls["DonateButton"]);
    log = app.WaitShellLog(3);
    check.Equal(Joined(log), Joined({help, maker, donation}), "after a click on the donation button");
    check.Expect(IsWindow(about) && IsWindowEnabled(about), "the About window stays open and enabled");
    PointAway();

    check.Group("License window");
    Click(controls["LicenseButton"]);
    HWND license = app.WaitForTkWindow(L"License Agreement");
    if (check.Expect(license != nullptr, "License Agreement opens the License window")) {
        auto licenseControls = CheckLicenseWindow(app, about, license);
        if (licenseControls.size() == LicenseRows().size()) {
            check.Group("License window: input");
            // F1 does nothing here either. The License window covers the About window's buttons and
            // link; moved aside, it shows that they take no clicks and that the link does not light up.
            BringToFront(license);
            SendKey(VK_F1);
            Pause(300);
            const RECT aboutRect = WindowRectOf(about);
            SetWindowPos(license, nullptr, aboutRect.left, aboutRect.bottom + 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            Pause(300);
            PointAt(CentreOf(controls["MakerLink"]));
            Pause(200);
            check.Equal(CountColour(Capture(WindowRectOf(controls["MakerLink"])), RGB(0, 0, 0)), size_t{0},
                        "the link of the disabled About window keeps its colour under the pointer");
            Click(controls["LicenseButton"]);
            Click(controls["MakerLink"]);
            Pause(300);
            int licenseWindows = 0;
            for (HWND window : app.Windows()) {
                licenseWindows += TextOf(window) == L"License Agreement" ? 1 : 0;
            }
            check.Equal(licenseWindows, 1, "clicking the disabled About window opens no second License window");
            // After the clicks on the disabled window, Wine on a loaded machine sometimes drops the next real
            // mouse click; the badge is pressed with BM_CLICK, which goes through the same button messages.
            BringToFront(license);
            Pause(300);
            PostMessageW(licenseControls["BadgeButton"], BM_CLICK, 0, 0);
            log = app.WaitShellLog(4);
            check.Equal(Joined(log), Joined({help, maker, donation, deed}),
                        "only the badge reached the shell, not the disabled link below");
            check.Expect(IsWindow(license) != FALSE, "the License window stays open");
        }
        check.Group("License window: closing");
        PostMessageW(license, WM_CLOSE, 0, 0);
        check.Expect(app.WaitGone(license) && !IsWindow(license), "the close request destroys the License window");
        Pause(300);
        check.Expect(IsWindowEnabled(about) != FALSE, "the About window is enabled again");
        check.Equal(app.NameOf(app.Active()), app.NameOf(about), "the About window is active again");
        check.Expect(!IsWindowEnabled(app.main), "the main window stays disabled");
    }

    check.Group("About window: closing");
    PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    check.Expect(app.WaitGone(about) && !IsWindow(about), "the close box destroys the About window");
    Pause(300);
    check.Expect(IsWindowEnabled(app.main) != FALSE, "the main window is enabled again");
    check.Equal(app.NameOf(app.Active()), std::string("MainWindow"), "the main window is active again");

    check.Group("help menu");
    BringToFront(app.main);
    SendKeys({VK_F10, VK_RIGHT, VK_DOWN, VK_RETURN});
    app.WaitShellLog(5);
    Pause(300); // time for a second line that must not come
    check.Equal(Joined(app.ShellLog()), Joined({help, maker, donation, deed, help}), "? > Help hands the help document over once");

    check.Group("About window again");
    // With the main window near the screen's corner, centring would put the About window above and
    // left of it: it stops at 0.
    const RECT home = WindowRectOf(app.main);
    SetWindowPos(app.main, nullptr, 5, -80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pause(300);
    HWND again = OpenAboutByMenu(app);
    if (check.Expect(again != nullptr, "? > About opens the About window again")) {
        check.Expect(again != about, "a new window is built");
        const RECT main = WindowRectOf(app.main);
        const RECT outer = WindowRectOf(again);
        check.Expect(main.left + ((main.right - main.left) - (outer.right - outer.left)) / 2 < 0 &&
                         main.top + ((main.bottom - main.top) - (outer.bottom - outer.top)) / 2 < 0,
                     "centring alone would place it above and left of the screen");
        check.Equal(std::to_string(outer.left) + "," + std::to_string(outer.top), std::string("0,0"),
                    "its corner stops at the screen's corner");
        CheckRows(again, AboutRows(), "About again");
        PostMessageW(again, WM_CLOSE, 0, 0);
        check.Expect(app.WaitGone(again), "WM_CLOSE closes it");
        Pause(300);
        check.Expect(IsWindowEnabled(app.main) != FALSE, "the main window is enabled again");
    }
    SetWindowPos(app.main, nullptr, home.left, home.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pause(300);
    check.Equal(app.ShellLog().size(), size_t{5}, "nothing more went to the shell");
}

// ---- the pickers ----------------------------------------------------------------------------------

// The folder an open-file dialog shows, asked from the dialog itself.
std::wstring DialogFolder(Session& app, HWND dialog) {
    RemoteBuffer remote(app.Process(), 2 * MAX_PATH * sizeof(wchar_t));
    if (!remote.Address()) {
        return L"(no memory)";
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(dialog, CDM_GETFOLDERPATH, 2 * MAX_PATH, reinterpret_cast<LPARAM>(remote.Address()),
                             SMTO_ABORTIFHUNG, 3000, &result) ||
        static_cast<LONG_PTR>(result) <= 0) {
        return L"(unknown)";
    }
    wchar_t folder[2 * MAX_PATH + 1] = {};
    remote.Read(0, folder, 2 * MAX_PATH * sizeof(wchar_t));
    return folder;
}

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

HWND FindChildWithText(HWND parent, const std::wstring& text) {
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&all));
    for (HWND child : all) {
        if (TextOf(child) == text) {
            return child;
        }
    }
    return nullptr;
}

HWND FindChildOfClass(HWND parent, const std::wstring& className) {
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&all));
    for (HWND child : all) {
        if (ClassOf(child) == className && IsWindowVisible(child)) {
            return child;
        }
    }
    return nullptr;
}

// The edit control in which the file name is typed: the box cmb13 (an edit control itself, or a combo
// box with one inside), or edt1 in older dialogs.
HWND FileNameEdit(HWND dialog) {
    for (int id : {cmb13, edt1}) {
        HWND item = GetDlgItem(dialog, id);
        if (item && ClassOf(item) == L"Edit") {
            return item;
        }
        if (item) {
            if (HWND edit = FindChildOfClass(item, L"Edit")) {
                return edit;
            }
        }
    }
    return nullptr;
}

HWND OpenDosboxPicker(Session& app) {
    BringToFront(app.main);
    Click(app["DosboxBrowseButton"]);
    HWND dialog = app.WaitForDialog(L"Path to DOSBox.exe", 10000);
    if (dialog) {
        Pause(500);
    }
    return dialog;
}

HWND OpenFolderPicker(Session& app) {
    BringToFront(app.main);
    Click(app["DestinationBrowseButton"]);
    HWND dialog = app.WaitForWindow(
        [](HWND window) { return ClassOf(window) == L"#32770" && FindChildWithText(window, L"Select Destination Folder"); },
        10000);
    if (dialog) {
        Pause(800); // the folder is selected when the dialog is ready and again 200 ms later
    }
    return dialog;
}

void CheckDosboxPicker(Session& app) {
    check.Group("DOSBox picker");
    HWND field = app["DosboxPathField"];
    SetField(field, L"typed by hand");
    HWND dialog = OpenDosboxPicker(app);
    if (!check.Expect(dialog != nullptr, "\"...\" opens the open-file dialog \"Path to DOSBox.exe\"")) {
        return;
    }
    check.Equal(GetWindow(dialog, GW_OWNER), app.main, "the dialog belongs to the main window");
    check.Expect(!IsWindowEnabled(app.main), "the main window is disabled while it is open");
    check.Equal(Lower(DialogFolder(app, dialog)), Lower(WorkFolder), "it starts in the program's working folder");
    check.Equal(TextOf(GetDlgItem(dialog, cmb1)), std::wstring(L"Executables "), "the one file type, its name as given");
    HWND readOnly = GetDlgItem(dialog, chx1);
    check.Expect(!readOnly || !IsWindowVisible(readOnly), "no read-only check box");
    HWND edit = FileNameEdit(dialog);
    check.Expect(edit && TextOf(edit).empty(), "the file-name box starts empty");
    PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    check.Expect(app.WaitGone(dialog), "Cancel closes the dialog");
    Pause(300);
    check.Equal(TextOf(field), std::wstring(L"typed by hand"), "cancelling leaves the typed text");
    check.Expect(IsWindowEnabled(app.main) != FALSE, "the main window is enabled again");

    // A chosen file replaces the field's text, whatever its extension.
    const std::wstring notes = Root + L"dosbox\\notes.txt";
    WriteBytes(notes, "notes");
    for (const std::wstring& chosen : {notes, DosboxPath}) {
        dialog = OpenDosboxPicker(app);
        if (!check.Expect(dialog != nullptr, "the dialog opens again")) {
            return;
        }
        edit = FileNameEdit(dialog);
        if (!check.Expect(edit != nullptr, "the file-name box is found")) {
            PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
            app.WaitGone(dialog);
            return;
        }
        SetField(edit, chosen);
        PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        check.Expect(app.WaitGone(dialog), "OK closes the dialog");
        Pause(300);
        check.Equal(TextOf(field), chosen, "the field gets the chosen file's full path");
    }
}

// parent: the folder above the working folder, chosen in the tree afterwards (empty: not tried).
void CheckFolderPicker(Session& app, const std::wstring& workingFolder, const std::wstring& expected,
                       const std::wstring& parent) {
    check.Group("folder picker from " + checks::Utf8(workingFolder));
    HWND field = app["DestinationField"];
    SetField(field, L"typed by hand");
    HWND dialog = OpenFolderPicker(app);
    if (!check.Expect(dialog != nullptr, "\"...\" opens the folder dialog with \"Select Destination Folder\"")) {
        return;
    }
    check.Equal(GetWindow(dialog, GW_OWNER), app.main, "the dialog belongs to the main window");
    check.Expect(!IsWindowEnabled(app.main), "the main window is disabled while it is open");
    check.Expect(FindChildOfClass(dialog, L"Edit") != nullptr, "the dialog has an edit box");
    PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    check.Expect(app.WaitGone(dialog), "Cancel closes the dialog");
    Pause(300);
    check.Equal(TextOf(field), std::wstring(L"typed by hand"), "cancelling leaves the typed text");
    check.Expect(IsWindowEnabled(app.main) != FALSE, "the main window is enabled again");

    // The working folder is selected when the dialog opens; OK takes it.
    dialog = OpenFolderPicker(app);
    if (!check.Expect(dialog != nullptr, "the dialog opens again")) {
        return;
    }
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    check.Expect(app.WaitGone(dialog), "OK closes the dialog");
    Pause(300);
    check.Equal(TextOf(field), expected, "the field gets the folder with one trailing backslash");
    if (parent.empty()) {
        return;
    }

    // Another folder chosen in the tree: the one above. (Wine's folder dialog takes no path typed into
    // its edit box, so the tree is used.)
    dialog = OpenFolderPicker(app);
    HWND tree = dialog ? FindChildOfClass(dialog, WC_TREEVIEWW) : nullptr;
    if (!check.Expect(tree != nullptr, "the dialog opens again with its folder tree")) {
        return;
    }
    const LRESULT selected = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    const LRESULT above = selected ? SendMessageW(tree, TVM_GETNEXTITEM, TVGN_PARENT, selected) : 0;
    check.Expect(above != 0 && SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, above) != 0, "the folder above is selected");
    Pause(300);
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    check.Expect(app.WaitGone(dialog), "OK closes the dialog");
    Pause(300);
    check.Equal(TextOf(field), parent, "the field gets the folder chosen in the tree");
}

// ---- installing -----------------------------------------------------------------------------------

// Where a dialog of this size is created when it is centred over the main window: over the middle of
// the client area and menu bar, measured from the corner of the outer frame.
POINT CentredOverMain(Session& app, int cx, int cy) {
    const RECT main = WindowRectOf(app.main);
    RECT client{};
    GetClientRect(app.main, &client);
    const int width = client.right;
    const int height = client.bottom + GetSystemMetrics(SM_CYMENU);
    return POINT{main.left + width / 2 - cx / 2, main.top + height / 2 - cy / 2};
}

// The completion prompt is created centred over the main window. (Wine's message box centres itself on
// the screen again when it lays out its text and buttons, so the place is read from the creation record.)
void CheckPromptPlace(Session& app, HWND prompt) {
    const auto creation = app.CreationOf(prompt);
    if (!check.Expect(creation.has_value(), "the prompt's creation is seen")) {
        return;
    }
    const POINT centred = CentredOverMain(app, creation->cx, creation->cy);
    check.Equal(creation->x, static_cast<int>(centred.x), "the prompt is created centred over the main window: left");
    check.Equal(creation->y, static_cast<int>(centred.y), "the prompt is created centred over the main window: top");
}

void CheckInstallations(Session& app) {
    check.Group("installation");
    const std::wstring first = Root + L"dest one";
    const std::wstring second = Root + L"dest two";
    CreateDirectoryW(first.c_str(), nullptr);
    CreateDirectoryW(second.c_str(), nullptr);
    SetField(app["DosboxPathField"], DosboxPath);
    SetField(app["DestinationField"], first + L"\\\\");
    SetCheck(app, "Qb45CheckBox", 1);
    SetCheck(app, "QbxCheckBox", 1);
    SetCheck(app, "FullscreenCheckBox", 1);
    SetCheck(app, "ExamplesCheckBox", 1);
    const std::string before = MainWindowState(app);

    // Move the window first: the prompt follows it.
    RECT main = WindowRectOf(app.main);
    SetWindowPos(app.main, nullptr, main.left - 37, main.top + 23, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pause(300);

    BringToFront(app.main);
    Click(app["NextButton"]);
    HWND prompt = ExpectBox(app, L"Installation complete!", L"Quit Program now?", YesNoButtons, 120000);
    if (!prompt) {
        return;
    }
    CheckPromptPlace(app, prompt);
    check.Equal(Joined(Listing(first)), std::string("_config _floppy _shorcut _source qb45 qbx"), "what the destination holds");
    check.Equal(Joined(Listing(first + L"\\_config")), std::string("qb45.conf qbx.conf"), "configuration files");
    check.Equal(Joined(Listing(first + L"\\_shorcut")), std::string("qb45.lnk qbx.lnk"), "shortcuts");
    check.Equal(Joined(Listing(first + L"\\_source")), std::string("EXAMPLES"), "the examples are copied");
    check.Equal(Joined(Listing(first + L"\\_floppy")), std::string(), "the floppy folder is empty");
    const std::string config = ReadBytes(first + L"\\_config\\qbx.conf");
    check.Expect(config.rfind("[sdl]\r\nfullscreen=true\r\n[autoexec]\r\n", 0) == 0, "Fullscreen Mode reaches the configuration");
    check.Expect(config.find("EXIT\r\n") == std::string::npos, "no EXIT line without \"Shut down DOSBox when exiting\"");

    check.Group("installation: No");
    PressBoxButton(app, prompt, IDNO);
    Pause(300);
    check.Expect(app.Running(), "the program goes on");
    check.Expect(IsWindowEnabled(app.main) != FALSE, "the main window is enabled");
    check.Equal(MainWindowState(app), before, "every field and box is as it was");

    // The centring hook is gone with the prompt: a plain box after it is left where the system puts it.
    SetField(app["DosboxPathField"], L"");
    BringToFront(app.main);
    Click(app["NextButton"]);
    if (HWND box = ExpectBox(app, L"Invalid File", L"No Executable File selected", OkButton)) {
        const auto creation = app.CreationOf(box);
        if (check.Expect(creation.has_value(), "the box's creation is seen")) {
            const POINT centred = CentredOverMain(app, creation->cx, creation->cy);
            check.Expect(creation->x != centred.x || creation->y != centred.y, "a plain box is not centred over the main window");
        }
        PressBoxButton(app, box, IDOK);
    }
    SetField(app["DosboxPathField"], DosboxPath);

    check.Group("installation: a second run");
    SetField(app["DestinationField"], second);
    SetCheck(app, "QbxCheckBox", 0);
    SetCheck(app, "ExamplesCheckBox", 0);
    SetCheck(app, "FullscreenCheckBox", 0);
    SetCheck(app, "ShutDownCheckBox", 1);
    SetCheck(app, "Qb11CheckBox", 1);
    BringToFront(app.main);
    Click(app["NextButton"]);
    prompt = ExpectBox(app, L"Installation complete!", L"Quit Program now?", YesNoButtons, 120000);
    if (!prompt) {
        return;
    }
    CheckPromptPlace(app, prompt);
    check.Equal(Joined(Listing(second)), std::string("_config _floppy _shorcut _source qb11 qb45"), "what the destination holds");
    check.Equal(Joined(Listing(second + L"\\_source")), std::string(), "no examples this time");
    const std::string qb11 = ReadBytes(second + L"\\_config\\qb11.conf");
    check.Expect(qb11.rfind("[autoexec]\r\n", 0) == 0, "no full screen this time");
    check.Expect(qb11.size() >= 6 && qb11.compare(qb11.size() - 6, 6, "EXIT\r\n") == 0,
                 "\"Shut down DOSBox when exiting\" reaches the configuration");

    check.Group("installation: Yes");
    PostMessageW(GetDlgItem(prompt, IDYES), BM_CLICK, 0, 0);
    check.Equal(app.WaitExit(10000), 0ul, "Yes ends the program with exit code 0");
}

// ---- ways out ---------------------------------------------------------------------------------------

void CheckWayOut(const char* name, const std::function<void(Session&)>& act) {
    check.Group(std::string("ends: ") + name);
    Session app(name);
    if (!StartSession(app, WorkFolder)) {
        return;
    }
    SetField(app["DosboxPathField"], L"C:\\somewhere\\DOSBox.exe");
    SetField(app["DestinationField"], L"C:\\somewhere else");
    act(app);
    check.Equal(app.WaitExit(5000), 0ul, "the program ends at once with exit code 0");
}

void CheckWaysOut() {
    CheckWayOut("Quit", [](Session& app) {
        BringToFront(app.main);
        Click(app["QuitButton"]);
    });
    CheckWayOut("File > Close", [](Session& app) {
        BringToFront(app.main);
        SendKeys({VK_F10, VK_DOWN, VK_RETURN});
    });
    CheckWayOut("the close box", [](Session& app) { PostMessageW(app.main, WM_SYSCOMMAND, SC_CLOSE, 0); });
    CheckWayOut("WM_CLOSE", [](Session& app) { PostMessageW(app.main, WM_CLOSE, 0, 0); });
}

// A file named _source in the destination: the examples' archive cannot be made, the program says so
// and ends, after the packages but before any configuration file.
void CheckFatalExtraction() {
    check.Group("fatal extraction error");
    Session app("fatal");
    if (!StartSession(app, WorkFolder)) {
        return;
    }
    const std::wstring destination = Root + L"fatal";
    CreateDirectoryW(destination.c_str(), nullptr);
    WriteBytes(destination + L"\\_source", "in the way");
    SetField(app["DosboxPathField"], DosboxPath);
    SetField(app["DestinationField"], destination);
    SetCheck(app, "ExamplesCheckBox", 1);
    BringToFront(app.main);
    Click(app["NextButton"]);
    HWND box = ExpectBox(app, L"Zip-File Error!", L"Installation failed", OkButton, 120000);
    if (!box) {
        return;
    }
    check.Expect(IsFolder(destination + L"\\qb45"), "the package was unpacked first");
    check.Equal(Joined(Listing(destination + L"\\_config")), std::string(), "no configuration file was written");
    check.Expect(app.Running(), "the program waits for OK");
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    check.Equal(app.WaitExit(10000), 0ul, "after OK the program ends with exit code 0");
}

// ---- screenshots ----------------------------------------------------------------------------------

bool WaitForFile(const std::wstring& path, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 100) {
        if (IsFile(path)) {
            return true;
        }
        Pause(100);
    }
    return false;
}

int Screenshots(const std::wstring& program, std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\') {
        folder += L'\\';
    }
    if (!PrepareScratch(program)) {
        return 1;
    }
    Session app("screenshots");
    if (!app.Start(WorkFolder)) {
        return 1;
    }
    int result = 0;
    PostMessageW(app.main, WM_COMMAND, MAKEWPARAM(2, 0), 0); // "?" > "About"
    HWND about = app.WaitForTkWindow(L"About");
    HWND license = nullptr;
    if (about) {
        PointAway();
        Pause(500);
        WriteBytes(folder + L"about.ready", "");
        WaitForFile(folder + L"about.done", 30000);
        HWND button = FindChildWithText(about, L"License Agreement");
        PostMessageW(button, BM_CLICK, 0, 0);
        license = app.WaitForTkWindow(L"License Agreement");
    }
    if (license) {
        PointAway();
        Pause(500);
        WriteBytes(folder + L"license.ready", "");
        WaitForFile(folder + L"license.done", 30000);
        PostMessageW(license, WM_CLOSE, 0, 0);
        app.WaitGone(license);
    } else {
        result = 1;
    }
    if (about) {
        PostMessageW(about, WM_CLOSE, 0, 0);
        app.WaitGone(about);
    }
    PostMessageW(app.main, WM_CLOSE, 0, 0);
    app.WaitExit(10000);
    return result;
}

std::wstring Wide(const char* text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size > 0 ? size - 1 : 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), size);
    return wide;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--screenshots") == 0) {
        return Screenshots(Wide(argv[2]), Wide(argv[3]));
    }
    if (argc != 2) {
        std::printf("usage: ProgramDriver <TarnwickUnderTest.exe>\n");
        return 2;
    }
    SetCursorPos(2, 2);
    if (!check.Expect(PrepareScratch(Wide(argv[1])), "the scratch folder is prepared")) {
        return check.Finish();
    }

    {
        Session app("main");
        if (StartSession(app, WorkFolder)) {
            check.Group("start");
            check.Equal(MainWindowState(app), std::string(" |  | 0 1 0 0 0 0 0"), "empty fields, only QuickBASIC 4.5 ticked");
            CheckInvalidInput(app);
            CheckAboutAndLicense(app);
            CheckDosboxPicker(app);
            CheckFolderPicker(app, WorkFolder, WorkFolder + L"\\", Root);
            CheckInstallations(app);
        }
    }
    {
        Session app("root");
        if (StartSession(app, L"C:\\")) {
            CheckFolderPicker(app, L"C:\\", L"C:\\", L"");
        }
    }
    CheckWaysOut();
    CheckFatalExtraction();
    return check.Finish();
}
