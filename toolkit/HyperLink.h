// A hyperlink label: text drawn from its top-left corner in its text colour, or in its hover colour
// while the pointer is over it and its window is enabled, optionally underlined in the colour in use,
// with the hand cursor. Releasing the left mouse button on it raises a control event.
#pragma once

#include "toolkit/Control.h"

namespace tk {

struct HyperLinkArgs {
    Rect rect;
    std::wstring_view text;
    Colour hoverColour = Rgb(0, 0, 0);
    bool underlined = true;
    HWND parent = nullptr; // null: the current container
};

class HyperLink final : public Control {
public:
    static HWND Create(const HyperLinkArgs& args);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HyperLink(Colour hoverColour, bool underlined) : hoverColour(hoverColour), underlined(underlined) {}
    void Paint(HDC dc);
    void UseFont(HFONT newFont);

    Colour hoverColour;
    bool underlined;
    bool hovering = false;
    HFONT font = nullptr; // borrowed
    FontHandle underlinedFont;
};

} // namespace tk
