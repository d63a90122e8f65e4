// Moving the keyboard focus with Tab and Shift+Tab: through a window's controls that have WS_TABSTOP and
// are visible and enabled, in creation order (the children of panels at their place in it), wrapping
// around at both ends.
#pragma once

#include <windows.h>

namespace tk {

class Window;

// Moves the focus to the next (forward) or previous tab stop of the window after the control that has
// the focus; from no control, to the first or the last one.
void MoveFocus(Window& window, bool forward);

} // namespace tk
