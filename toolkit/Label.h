// A text label: "Static" text aligned left, centred or right, wrapped at word boundaries within its
// width, with "&" shown as it is. With a background colour set it is painted in that colour.
#pragma once

#include "toolkit/Control.h"

namespace tk {

enum class TextAlign {
    Left,
    Centre,
    Right,
};

struct LabelArgs {
    Rect rect;
    std::wstring_view text;
    TextAlign align = TextAlign::Left;
    HWND parent = nullptr; // null: the current container
};

class Label final : public Control {
public:
    static HWND Create(const LabelArgs& args);
};

} // namespace tk
