// A push button. A click raises a control event. No button of the toolkit is a default button.
#pragma once

#include "toolkit/Control.h"

namespace tk {

struct ButtonArgs {
    Rect rect;
    std::wstring_view text;
    HWND parent = nullptr; // null: the current container
};

class Button final : public Control {
public:
    static HWND Create(const ButtonArgs& args);
};

} // namespace tk
