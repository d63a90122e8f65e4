// Keyboard shortcut tables, one per window. A shortcut is a virtual key with modifier keys; pressing it
// while its window is the active window raises a MenuEvent with the shortcut's id. Every table also
// holds the toolkit's own entries for Tab and Shift+Tab, which move the focus and raise no event.
#pragma once

#include <windows.h>

namespace tk {

// Modifier keys, to be combined with |.
enum ShortcutModifier : int {
    NoModifier = 0,
    ShiftModifier = FSHIFT,
    ControlModifier = FCONTROL,
    AltModifier = FALT,
};

// Ids that the toolkit's own Tab entries use; a program's shortcuts and menu items take other ids.
constexpr WORD TabForwardId = 0xFFF0;
constexpr WORD TabBackwardId = 0xFFF1;

// Binds key + modifiers on a window to id. Binding a key already in the table with the same modifiers
// replaces that entry's id. Returns false if the window is unknown or the table cannot be built.
bool BindShortcut(HWND window, int virtualKey, int modifiers, int id);

// Removes a binding; returns false if there was none.
bool UnbindShortcut(HWND window, int virtualKey, int modifiers);

// Gives a keyboard message to the active window's shortcut table. Returns true when it was a shortcut
// and has been handled.
bool TranslateShortcut(MSG& message);

// Puts the toolkit's own entries into a new window's table.
void InitialiseShortcuts(HWND window);

} // namespace tk
