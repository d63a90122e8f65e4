// A check box that toggles itself when clicked or when Space is pressed on it, then raises a control
// event. State 1 is ticked, 0 clear; a state set by the program raises no event.
#pragma once

#include "toolkit/Control.h"

namespace tk {

struct CheckBoxArgs {
    Rect rect;
    std::wstring_view text;
    HWND parent = nullptr; // null: the current container
};

class CheckBox final : public Control {
public:
    static HWND Create(const CheckBoxArgs& args);
};

// Ticks (1) or clears (0) a check box.
void SetCheckState(HWND checkBox, int state);

// 1 when the check box is ticked, otherwise 0.
int GetCheckState(HWND checkBox);

} // namespace tk
