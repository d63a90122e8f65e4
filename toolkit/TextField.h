// A single-line text field: "Edit" with a sunken border that scrolls sideways while typing. It reports
// edits and focus changes as control events; text set by the program raises none.
#pragma once

#include "toolkit/Control.h"

namespace tk {

struct TextFieldArgs {
    Rect rect;
    std::wstring_view text;
    HWND parent = nullptr; // null: the current container
};

class TextField final : public Control {
public:
    static HWND Create(const TextFieldArgs& args);
};

} // namespace tk
