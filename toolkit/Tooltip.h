// Tooltips: each window has one tooltip control ("tooltips_class32", always shown, no prefix handling,
// topmost), made when the first tooltip of the window is set. Controls are registered with it by their
// handle and subclassed, so the tooltip shows while the pointer rests over the control.
#pragma once

#include <windows.h>

#include <string_view>

namespace tk {

// Sets or replaces the tooltip text of a control. Returns false if the control is unknown or the
// tooltip control cannot be made.
bool SetTooltip(HWND control, std::wstring_view text);

} // namespace tk
