#include "toolkit/Toolkit.h"

#include "toolkit/Control.h"
#include "toolkit/Events.h"
#include "toolkit/Font.h"
#include "toolkit/Handles.h"
#include "toolkit/Internal.h"
#include "toolkit/Pictures.h"
#include "toolkit/Window.h"

#include <commctrl.h>
#include <objbase.h>

#include <vector>

namespace tk {
namespace {

HINSTANCE module = nullptr;
int dpi = 96;
std::vector<void (*)()> shutdownActions;
std::vector<const wchar_t*> registeredClasses;

int ReadScreenDpi() {
    DeviceContextHandle display(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    if (!display) {
        return 96;
    }
    const int value = GetDeviceCaps(display.Get(), LOGPIXELSY);
    return value > 0 ? value : 96;
}

bool RegisterToolkitClass(const wchar_t* name, WNDPROC procedure, HICON icon, HCURSOR cursor, HBRUSH background) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = module;
    windowClass.hIcon = icon;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    if (!RegisterClassExW(&windowClass)) {
        return false;
    }
    registeredClasses.push_back(name);
    return true;
}

} // namespace

HINSTANCE Module() { return module; }

HFONT DefaultFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

int ScreenDpi() { return dpi; }

void AtShutdown(void (*action)()) {
    if (action) {
        shutdownActions.push_back(action);
    }
}

bool Initialise() {
    module = GetModuleHandleW(nullptr);
    dpi = ReadScreenDpi();

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    // ICC_TAB_CLASSES brings the tooltip class too.
    controls.dwICC = ICC_INTERNET_CLASSES | ICC_USEREX_CLASSES | ICC_DATE_CLASSES | ICC_HOTKEY_CLASS | ICC_TAB_CLASSES;
    InitCommonControlsEx(&controls);
    // S_FALSE (already initialised) is fine; a failure leaves only the shell dialogs and links without COM.
    CoInitialize(nullptr);

    HICON icon = LoadIconW(module, MAKEINTRESOURCEW(1)); // shared resource icon: never destroyed
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    const auto buttonFace = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    return RegisterToolkitClass(WindowClassName, TopLevelWindowProc, icon, arrow, buttonFace) &&
           RegisterToolkitClass(PanelClassName, ControlWindowProc, nullptr, arrow, buttonFace) &&
           RegisterToolkitClass(HyperLinkClassName, ControlWindowProc, nullptr, hand ? hand : arrow, nullptr) &&
           RegisterToolkitClass(PictureClassName, ControlWindowProc, nullptr, arrow, nullptr);
}

void Shutdown() {
    while (!shutdownActions.empty()) {
        auto action = shutdownActions.back();
        shutdownActions.pop_back();
        action();
    }
    std::vector<HWND> windows = OpenWindows();
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        DisposeWindow(*window);
    }
    ClearEvents();
    FreeAllPictures();
    FreeAllFonts();
    for (const wchar_t* name : registeredClasses) {
        UnregisterClassW(name, module);
    }
    std::vector<const wchar_t*>().swap(registeredClasses);
    std::vector<void (*)()>().swap(shutdownActions);
}

} // namespace tk
