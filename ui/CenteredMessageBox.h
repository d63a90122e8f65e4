// A message box placed over the middle of a chosen window instead of where the system puts it.
#pragma once

#include <windows.h>

#include <string_view>

namespace tarnwick {

// The window over which the next centred box is placed; the caller sets it first.
extern HWND CenterTargetWindow;
// The hook in place while a centred box is open.
extern HHOOK CenterHookHandle;

// Shows the toolkit's message box while a CBT hook on this thread moves the dialog window that the
// system creates for it. Returns the button pressed.
int CenteredMessageBox(std::wstring_view title, std::wstring_view text, UINT flags);

// The hook procedure: moves windows of the class "#32770" as they are created.
LRESULT CALLBACK CenterDialogHook(int code, WPARAM wParam, LPARAM lParam);

// Where the hook puts a box of size cx × cy over a target whose outer rectangle starts at (x, y) and
// whose client area (with the menu bar added back) is w × h. Each half truncates toward zero.
POINT CenteredPosition(int x, int y, int w, int h, int cx, int cy);

} // namespace tarnwick
