// A group frame: an etched rectangle with an optional caption, drawn around other controls. It is a
// plain sibling of the controls it surrounds, not their container, and not a tab stop.
#pragma once

#include "toolkit/Control.h"

namespace tk {

struct FrameArgs {
    Rect rect;
    std::wstring_view caption;
    HWND parent = nullptr; // null: the current container
};

class Frame final : public Control {
public:
    static HWND Create(const FrameArgs& args);
};

} // namespace tk
