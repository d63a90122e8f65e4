// Top-level windows: opened from a client-area size, placed as given, centred on the screen or centred
// over their owner, shown and activated at once. A window owns the objects of its controls, its
// tooltip control, its menu bar and its shortcut table; closing it destroys them all. A close request
// from the user only raises a CloseWindowEvent.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/Handles.h"
#include "toolkit/Types.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace tk {

enum class Placement {
    AsGiven,
    CentredOnScreen,
    CentredOnOwner,
};

struct WindowArgs {
    Rect rect; // client-area size; the position is used only with Placement::AsGiven
    std::wstring_view title;
    DWORD style = WS_CAPTION | WS_SYSMENU;
    DWORD exStyle = 0;
    Placement placement = Placement::AsGiven;
    HWND owner = nullptr;
};

// Opens a window and makes it the current container for controls. Returns null on failure.
HWND OpenWindow(const WindowArgs& args);

// Destroys a window with its controls, tooltips and menu and forgets its objects.
void DisposeWindow(HWND window);

// Enables or disables a window for mouse and keyboard input.
void SetWindowEnabled(HWND window, bool enabled);

// Makes a window the active window (and the foreground window when the system allows it).
void ActivateWindow(HWND window);

// The outer size of a window with this client size and these styles, not counting a menu bar.
SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle);
// The top-left corner of a window centred on a screen: (screen - min(screen, window)) / 2 on each axis.
POINT CentreOnScreen(SIZE outer, SIZE screen);
// The top-left corner of a window centred over its owner's outer rectangle, raised to 0 if negative.
POINT CentreOnOwner(SIZE outer, const RECT& owner);

// The object the toolkit keeps for an open window.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND handle = nullptr;
    // Controls in creation order, the children of panels among them; the tab order follows it.
    std::vector<std::unique_ptr<Control>> controls;
    std::optional<Colour> background;
    BrushHandle backgroundBrush;
    HWND tooltip = nullptr; // destroyed by the system with the window it belongs to
    std::vector<HWND> tooltipTools; // controls registered with the tooltip control
    std::vector<ACCEL> shortcuts;
    AcceleratorHandle shortcutTable;
    HMENU menuBar = nullptr; // destroyed by the system with the window it is attached to
    HMENU currentMenu = nullptr; // the menu that new items go to
    HWND focusBeforeDeactivation = nullptr;

    Control* Find(HWND control) const;
};

// The window object of a top-level window or of any control inside one; null for other windows.
Window* FindWindowObject(HWND handle);

// The colour a child should show behind itself when it has none of its own: the background colour of
// the window or panel that holds it, or the button-face colour.
Colour ContainerBackground(HWND container);

// Every open window, in the order they were opened. Used by Shutdown.
std::vector<HWND> OpenWindows();

} // namespace tk
