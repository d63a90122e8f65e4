// A push button that shows a picture centred on its face (owner-drawn, so that the picture's alpha
// channel is blended onto the face). A click raises a control event.
#pragma once

#include "toolkit/Control.h"

namespace tk {

struct ImageButtonArgs {
    Rect rect;
    HBITMAP picture = nullptr; // borrowed; may be null
    HWND parent = nullptr; // null: the current container
};

class ImageButton final : public Control {
public:
    static HWND Create(const ImageButtonArgs& args);

    bool SetPicture(HBITMAP newPicture) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    explicit ImageButton(HBITMAP picture) : picture(picture) {}

    HBITMAP picture; // borrowed
};

} // namespace tk
