// A picture control: shows a picture (see Pictures.h) from its top-left corner, blended onto its
// background colour or that of its container. Clicks on it raise no event.
#pragma once

#include "toolkit/Control.h"

namespace tk {

struct PictureBoxArgs {
    Rect rect;
    HBITMAP picture = nullptr; // borrowed; may be null
    HWND parent = nullptr; // null: the current container
};

class PictureBox final : public Control {
public:
    static HWND Create(const PictureBoxArgs& args);

    bool SetPicture(HBITMAP newPicture) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    explicit PictureBox(HBITMAP picture) : picture(picture) {}
    void Paint(HDC dc);

    HBITMAP picture; // borrowed
};

// Gives a picture control or an image button another picture (borrowed; null for none).
void SetPicture(HWND control, HBITMAP picture);

} // namespace tk
